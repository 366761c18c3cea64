// The baseline of the frame benchmark: a bare GLFW 3 program that clears and
// presents a 512 x 448 window, paced to 16 ms frames the way the frame paces
// them (1 ms sleeps until 16 ms have passed), measured like frame_idle_app.

#include "frame_stats.hpp"

#include <GLFW/glfw3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    const int warm_up = 60;
    const int measured = argc == 2 ? std::atoi(argv[1]) : 600;
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
    lum::bench::FrameStats stats;
    for (int frame = 0; frame <= warm_up + measured && !glfwWindowShouldClose(window); ++frame) {
        if (frame > warm_up)
            stats.frame();
        auto start = std::chrono::steady_clock::now();
        glClearColor(0.1f, 0.1f, 0.1f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glfwPollEvents();
        glfwSwapBuffers(window);
        while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(16))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stats.report();
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
