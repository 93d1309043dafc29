#pragma once

class CApplication;
class CMenuManager;

// Builds the six menus of the menu screen into the manager: "mainMenu", "inGameMenu",
// "gameControls", "optionsMenu", "audioMenu", "videoMenu".
void buildMenuTree(CMenuManager& manager, CApplication* app);
