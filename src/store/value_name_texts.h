/* Registry value names that both the resources' string table and the code
   spell: one definition each. Plain macros, so that the resource compiler
   reads them too. */
#pragma once

#define VALUE_NAME_BITS_PER_PEL "DefaultSettings.BitsPerPel"
#define VALUE_NAME_VREFRESH "DefaultSettings.VRefresh"
#define VALUE_NAME_USE_FAST_CLEAR "OpenGL.UseFastClear"
#define VALUE_NAME_DISABLE_MIPMAPS "OpenGL.DisableMipMaps"
