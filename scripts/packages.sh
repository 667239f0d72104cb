# The Debian packages the project needs, by purpose.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                libgtest-dev libbenchmark-dev)
FONT_PACKAGES=(fonts-ipafont-gothic fonts-liberation2 fonts-lato)
TEST_PACKAGES=(xvfb xauth xdotool valgrind clang libclang-rt-14-dev)
