#pragma once

// Runs the program: the real message boxes and printer, the start-up, and the event loop.
int RunNumerion(int argc, char** argv);
