#pragma once
// Resource numbers shared by the resource script (assets/tarnwick.rc) and the backend. Plain
// defines, so that the resource compiler reads this file too.

#define TARNWICK_IDI_PROGRAM 1
#define TARNWICK_ID_MANIFEST 1

// Design pictures are RCDATA resources numbered from this base in the order of
// platform::DesignPicture, which the build's one list of them follows
// (cmake/design_picture_list.cmake).
#define TARNWICK_IDR_DESIGN_PICTURE_BASE 100
