// Which path draws when OpenGL is there: the renderer strings of software rasterisers and of
// hardware drivers, the picture's scale, and OpenGL asked for.
#include <gtest/gtest.h>

#include "gfx/renderer_choice.h"

namespace {

TEST(RendererChoice, SoftwareRasterisersAreKnownByTheirNames)
{
    for (const char* software : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer",
                                 "Mesa X11 swrast", "GDI Generic", "LLVMPIPE (LLVM 11.0.1, 128 bits)"})
        EXPECT_TRUE(isSoftwareRenderer(software)) << software;
    const char* const hardware[] = {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)",
                                    "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)",
                                    "NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", "virgl", "", nullptr};
    for (const char* renderer : hardware)
        EXPECT_FALSE(isSoftwareRenderer(renderer)) << (renderer ? renderer : "null");
}

TEST(RendererChoice, TheSoftwareRendererGivesWayOnlyWhenThePictureIsEnlargedAndOpenGlWasNotAskedFor)
{
    const char* llvmpipe = "llvmpipe (LLVM 15.0.6, 256 bits)";
    EXPECT_FALSE(plainPathInstead(llvmpipe, 1, false)) << "one to one it costs little";
    EXPECT_TRUE(plainPathInstead(llvmpipe, 2, false));
    EXPECT_TRUE(plainPathInstead(llvmpipe, 8, false));
    EXPECT_FALSE(plainPathInstead(llvmpipe, 3, true)) << "--opengl";
    EXPECT_FALSE(plainPathInstead("NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", 3, false));
    EXPECT_FALSE(plainPathInstead(nullptr, 3, false));
}

}
