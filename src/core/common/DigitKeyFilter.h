#pragma once

class MessageBoxes;

// Character codes as key handlers see them.
inline constexpr int KeyBackspace = 8;
inline constexpr int KeyEnter = 13;
inline constexpr int KeyDropped = 0;

// Passes the digits "0".."9" and Backspace unchanged; any other key beeps and is dropped (0).
int DigitKeyFilter(int keyCode, MessageBoxes& messages);
