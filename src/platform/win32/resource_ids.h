#pragma once
// Resource numbers shared by the resource script (assets/tarnwick.rc) and the backend. Plain
// defines, so that the resource compiler reads this file too.

#define TARNWICK_IDI_PROGRAM 1
#define TARNWICK_ID_MANIFEST 1

// Design pictures are RCDATA resources numbered from this base in the order of
// platform::DesignPicture (plus the picture's offset within its group); win32_pictures.cpp
// checks that the group numbers below agree with that order.
#define TARNWICK_IDR_DESIGN_PICTURE_BASE 100
#define TARNWICK_IDR_SPLASH_LOGO 100
#define TARNWICK_IDR_MAIN_TOP_BUTTON 101
#define TARNWICK_IDR_MAIN_LAUNCH_BUTTON_1 102
#define TARNWICK_IDR_PANEL_FOLDER_TAB_1 126
#define TARNWICK_IDR_PANEL_PROGRAM_BUTTON_1 133
#define TARNWICK_IDR_PANEL_ABOUT_BUTTON 136
