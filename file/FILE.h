/* The FILE library: creates folders for the installer. C linkage, never throws. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Creates every missing folder of a Windows path (Windows-1252, zero-terminated).
   Non-zero when the folder exists afterwards, created now or before; zero otherwise. */
__attribute__((visibility("default"))) int32_t CreateFullPath(const char* path);

#ifdef __cplusplus
}
#endif
