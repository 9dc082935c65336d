# Two commands for a newcomer: `make run` and `make test`. Everything else is optional.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# CI treats warnings as errors.
ifeq ($(CI),true)
CMAKE_FLAGS += -DLUMO_WERROR=ON
endif

.PHONY: all setup configure build run test clean dist dist-windows

all: build

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(CURDIR)/$(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)

# Windows: cross-built with MinGW-w64 into build-windows/ (Release, stripped), tested under
# Wine with its prefix kept in the build folder.
WINDOWS_BUILD_DIR ?= build-windows
.PHONY: windows test-windows
windows:
	@scripts/setup.sh windows
	@cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DLUMO_BUILD_APP=OFF \
	  -DLUMO_LINUX_CLI=$(CURDIR)/$(BUILD_DIR)/bin/lumo-cli $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS)

# Also compares the sample built by both systems' lumo-cli, byte for byte.
test-windows: windows configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target lumo-cli
	@scripts/test-windows.sh $(WINDOWS_BUILD_DIR) $(JOBS) $(CURDIR)/$(BUILD_DIR)/bin/lumo-cli

# Packages in dist/: the Debian package of the Linux build and the Windows zip.
DIST_DIR ?= $(CURDIR)/dist
dist: build dist-windows
	@cd $(BUILD_DIR) && cpack -G DEB -B $(CURDIR)/$(BUILD_DIR)/packages > /dev/null
	@mkdir -p $(DIST_DIR) && cp $(BUILD_DIR)/packages/*.deb $(DIST_DIR)/
	@ls $(DIST_DIR)

dist-windows: windows
	@cd $(WINDOWS_BUILD_DIR) && cpack -G ZIP -B $(CURDIR)/$(WINDOWS_BUILD_DIR)/packages > /dev/null
	@mkdir -p $(DIST_DIR) && cp $(WINDOWS_BUILD_DIR)/packages/lumo-*-windows-x64.zip $(DIST_DIR)/
	@ls $(DIST_DIR)/lumo-*-windows-x64.zip

# Benchmarks: a Release build with the bench/ programs, each run once, summarised in one
# table. The staging benchmark copies a generated workload of BENCH_WORKLOAD_MB megabytes.
BENCH_WORKLOAD_MB ?= 256
.PHONY: bench
bench: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DLUMO_BUILD_BENCH=ON $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@bench/run.sh $(BUILD_DIR) $(BENCH_WORKLOAD_MB)

# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD_DIR ?= build-asan
.PHONY: test-asan
test-asan: setup
	@cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUMO_SANITIZE=ON $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	@cd $(ASAN_BUILD_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# libFuzzer targets built with clang in their own folder, each run FUZZ_SECONDS seconds.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@scripts/setup.sh fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLUMO_BUILD_FUZZ=ON -DLUMO_BUILD_TESTS=OFF -DLUMO_BUILD_APP=OFF $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target fuzz_SourceFuzzer fuzz_ImageFuzzer fuzz_ReloadFuzzer fuzz_SavedListFuzzer
	@fuzz/run.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)
