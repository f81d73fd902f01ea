#pragma once
// Resource numbers shared by the resource script (assets/tarnwick.rc) and the backend. Plain
// defines, so that the resource compiler reads this file too.

#define TARNWICK_IDI_PROGRAM 1
#define TARNWICK_ID_MANIFEST 1

// Design pictures are RCDATA resources numbered from this base in the order of
// platform::DesignPicture (plus the picture's offset within its group).
#define TARNWICK_IDR_DESIGN_PICTURE_BASE 100
#define TARNWICK_IDR_SPLASH_LOGO 100
