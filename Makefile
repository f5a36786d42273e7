# Thin wrapper over CMake: `make run` and `make test` install what is missing, build, and go.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# WERROR=ON turns warnings in the project's own code into errors (CI does).
WERROR ?= OFF
# ccache, when installed, lets rebuilds and parallel checkouts reuse compiled objects.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench sanitize format format-check clean package

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZENDRIK_WERROR=$(WERROR) $(LAUNCHER) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The main job as a script, headless: reads examples/prices.html, follows a link, writes a
# summary and saves $(BUILD_DIR)/prices.csv. Only the program is built for it.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target zendrik
	env -u DISPLAY -u WAYLAND_DISPLAY $(BUILD_DIR)/app/zendrik examples/prices.pas $(BUILD_DIR)/prices.csv

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debian package of the installed files ($(BUILD_DIR)/zendrik_VERSION_ARCH.deb), its
# dependencies worked out by dpkg-shlibdeps.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/.
sanitize: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENDRIK_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every workload beside its peers as one table (bench/README.md says what each one means); the
# Google Benchmark programs in $(BUILD_DIR)/bench/ run on their own.
bench: build
	@ZENDRIK=$(BUILD_DIR)/app/zendrik STAGES=$(BUILD_DIR)/bench/page_stages bench/run

# The project's one format (.clang-format) over every C++ file in the repository.
format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD_DIR) build-asan
