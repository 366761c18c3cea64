# The front door: `make run` builds and runs Bindwell, `make test` builds and
# passes every test. Both install the Debian packages they need first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
PREFIX     ?= /usr/local
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test test-unit test-gui test-asan test-tsan bench fuzz format clean install package

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/bindwell/bindwell

# Every test: the plain build (unit tests without a display, gui tests under
# Xvfb), then the same tests under AddressSanitizer and UBSan.
test: build
	@bash scripts/test.sh $(BUILD)
	@$(MAKE) --no-print-directory test-asan

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUM_SANITIZE=ON -DLUM_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@bash scripts/test.sh $(ASAN_BUILD)

# The tests of the sound threads under ThreadSanitizer (not part of `make test`).
test-tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUM_TSAN=ON -DLUM_BENCH=OFF >/dev/null
	@cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_audio
	@cd $(TSAN_BUILD) && TSAN_OPTIONS="halt_on_error=1 suppressions=$(CURDIR)/tests/tsan.supp" ./tests/test_audio

# Installs the utility and the engine under PREFIX (DESTDIR stages it).
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package: $(BUILD)/bindwell_VERSION_ARCH.deb.
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@bash scripts/bench.sh $(BUILD)

fuzz:
	@bash scripts/install-deps.sh --fuzz
	@rm -f $(FUZZ_BUILD)/fuzz_targets.txt; CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUM_FUZZ=ON -DLUM_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.hpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
