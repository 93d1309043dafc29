"""The art tool chain of the game: drawing kit, sprite descriptions, sheets, fonts, screens."""
