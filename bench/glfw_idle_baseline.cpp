// The baseline of the frame benchmarks: a bare GLFW 3 program that presents
// what Bindwell presents, the least a program showing that picture must do.
// It keeps a 256 x 224 picture in a texture and every frame polls events,
// clears the 512 x 448 window, draws the picture at twice its size with one
// unblended textured quad and swaps, paced to 16 ms frames the way the frame
// paces them (1 ms sleeps until 16 ms have passed); measured like
// frame_idle_app.
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
#include <vector>

namespace {

constexpr int PICTURE_WIDTH = 256;
constexpr int PICTURE_HEIGHT = 224;

// A picture like a text screen: a dark ground with rows of light cells.
GLuint make_picture() {
    std::vector<unsigned char> pixels(PICTURE_WIDTH * PICTURE_HEIGHT * 4);
    for (int y = 0; y < PICTURE_HEIGHT; ++y) {
        for (int x = 0; x < PICTURE_WIDTH; ++x) {
            unsigned char* p = &pixels[(y * PICTURE_WIDTH + x) * 4];
            const bool lit = (y / 8) % 2 == 1 && (x % 8) < 6 && (y % 8) < 7;
            p[0] = lit ? 200 : 16;
            p[1] = lit ? 200 : 24;
            p[2] = lit ? 200 : 64;
            p[3] = 255;
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, PICTURE_WIDTH, PICTURE_HEIGHT, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 512, 448, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    return texture;
}

void present(GLFWwindow* window) {
    glfwPollEvents();
    glClearColor(0.1f, 0.1f, 0.1f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(1, 0);
    glVertex2f(512, 0);
    glTexCoord2f(1, 1);
    glVertex2f(512, 448);
    glTexCoord2f(0, 1);
    glVertex2f(0, 448);
    glEnd();
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
    make_picture();
    if (first_frame) {
        present(window);
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
        present(window);
        while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(16))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stats.report();
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
