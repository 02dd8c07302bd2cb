# Two commands do everything: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test package deps build screenshot sanitize windows-check fuzz clean

run: build
	./scripts/run-demo.sh $(BUILD)

# The README picture, from the demo recording and default settings.
screenshot: build
	./scripts/screenshot.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2 --timeout 600

# The Debian package $(BUILD)/kp_<version>_<arch>.deb, from the built tree;
# install it with `sudo apt install ./$(BUILD)/kp_*.deb`.
package: build
	cd $(BUILD) && cpack

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

# The whole test suite, GUI tests included, under AddressSanitizer and
# UndefinedBehaviorSanitizer: any report fails its test (leaks included).
# Line tables are all a report needs (-g1), and they build faster than -g.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DKP_SANITIZE=ON -DKP_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS_DEBUG=-g1
	cmake --build build-asan
	cd build-asan && $(SANITIZER_ENV) ctest --output-on-failure -j2 --timeout 900

# The Qt-free part cross-built for Windows (build-win/), its tests run under
# wine, and its conversions compared byte for byte with those of $(BUILD).
windows-check: build
	./scripts/windows-check.sh $(BUILD)

# Every fuzz target for FUZZ_SECONDS each (clang, libFuzzer).
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-win
