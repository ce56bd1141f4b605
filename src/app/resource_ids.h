/* Resource ids shared by the resource script and the program. */
#pragma once

#define KORVATH_IDI_APP 1
#define KORVATH_IDR_LAUNCHER 101
