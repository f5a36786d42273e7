# Thin wrapper over CMake: `make run` and `make test` install what is missing, build, and go.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# WERROR=ON turns warnings in the project's own code into errors (CI does).
WERROR ?= OFF
# ccache, when installed, lets rebuilds and parallel checkouts reuse compiled objects.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench sanitize sanitize-build fuzz fuzz-ci format format-check clean package

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

# The sanitized tree, $(SANITIZE_DIR): clang with AddressSanitizer and UndefinedBehaviorSanitizer
# (any report ends the program), the whole suite and the fuzz targets, benchmarks left out.
SANITIZE_DIR ?= build-sanitize
# Leaks are checked in every test program, the window's included: Qt leaks nothing they see.
SANITIZE_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
sanitize-build: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DZENDRIK_SANITIZE=ON -DZENDRIK_BUILD_BENCH=OFF -DZENDRIK_WERROR=$(WERROR) $(LAUNCHER) >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)

# The whole suite under the sanitizers, with no report allowed.
sanitize: sanitize-build
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS each (the corpus grows in $(SANITIZE_DIR)/fuzz); fuzz-ci runs
# each one briefly, about a minute in all.
FUZZ_SECONDS ?= 300
fuzz: sanitize-build
	@$(SANITIZE_ENV) tools/run-fuzzers $(SANITIZE_DIR) $(FUZZ_SECONDS)

fuzz-ci: sanitize-build
	@$(SANITIZE_ENV) tools/run-fuzzers $(SANITIZE_DIR) 10

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
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
