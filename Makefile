# Thin wrapper over CMake presets. Every target first makes sure the build's packages are there.
PRESET ?= default
BUILD_DIR := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all bootstrap configure build test run bench clean

all: build

bootstrap:
	@bash tools/bootstrap.sh

configure: bootstrap
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/src/dossier ]; then $(BUILD_DIR)/src/dossier; \
	 else echo "The window is not built yet; the command-line generator is $(BUILD_DIR)/src/dossier-cli"; fi

clean:
	rm -rf build build-*
