// The baseline of the frame benchmarks: a bare GLFW 3 program that clears and
// presents a 512 x 448 window, paced to 16 ms frames the way the frame paces
// them (1 ms sleeps until 16 ms have passed), measured like frame_idle_app.
// Usage: glfw_idle_baseline [FRAMES]     measures FRAMES frames after a warm-up
//        glfw_idle_baseline --first-frame
//            presents one frame, writes the line the engine writes with
//            LUM_FIRST_FRAME_STAMP ("lum.first_frame phase=booting epoch_us=N")
//            and ends: the start-up time of a bare window.

#include "frame_stats.hpp"

#include <GLFW/glfw3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

void clear_and_present(GLFWwindow* window) {
    glClearColor(0.1f, 0.1f, 0.1f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glfwPollEvents();
    glfwSwapBuffers(window);
}

void stamp() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "lum.first_frame phase=booting epoch_us=%lld\n",
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv) {
    const bool first_frame = argc == 2 && std::strcmp(argv[1], "--first-frame") == 0;
    const int warm_up = 60;
    const int measured = argc == 2 && !first_frame ? std::atoi(argv[1]) : 600;
    if (!glfwInit()) {
        std::fprintf(stderr, "glfw_idle_baseline: cannot start GLFW\n");
        return 1;
    }
    glfwWindowHint(GLFW_DEPTH_BITS, 0);
    glfwWindowHint(GLFW_STENCIL_BITS, 8);
    GLFWwindow* window = glfwCreateWindow(512, 448, "GLFW Idle", nullptr, nullptr);
    if (!window) {
        std::fprintf(stderr, "glfw_idle_baseline: cannot open a window\n");
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);
    if (first_frame) {
        clear_and_present(window);
        stamp();
        glfwDestroyWindow(window);
        glfwTerminate();
        return 0;
    }
    lum::bench::FrameStats stats;
    for (int frame = 0; frame <= warm_up + measured && !glfwWindowShouldClose(window); ++frame) {
        if (frame > warm_up)
            stats.frame();
        auto start = std::chrono::steady_clock::now();
        clear_and_present(window);
        while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(16))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stats.report();
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
