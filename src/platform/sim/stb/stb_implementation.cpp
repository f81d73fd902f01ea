// The picture decoder and PNG writer of the simulated platform, compiled into the Windows
// console build (on Linux they come from the system's stb library).
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
