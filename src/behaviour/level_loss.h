#pragma once

// A broken egg or an overheated little bird loses the level: the level ends as lost and one life
// goes. A level that is already over (won or lost) is decided and stays as it is.
void loseLevel();
