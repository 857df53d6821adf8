# Set-up, build and test in one place; every target installs what it needs.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libsndfile1-dev sox

.PHONY: all deps build test run bench compare-renders clean

all: build

deps:
	@missing=""; \
	for package in $(PACKAGES); do \
	  dpkg -s $$package >/dev/null 2>&1 || missing="$$missing $$package"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/orvane_bench

# Every program must sound as it does with the engine of the reference commit.
REFERENCE ?= 915d253
COMPARE_FLAGS ?=
compare-renders: build
	JOBS=$(JOBS) sh tests/compare-renders.sh $(COMPARE_FLAGS) $(REFERENCE) $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)

# The command-line host, the sanitizer suite, the Windows build and a real host.
ASAN_BUILD_DIR ?= build-asan
WINDOWS_BUILD_DIR ?= build-windows
ARDOUR_WORK_DIR ?= build-ardour
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 wine64 wine
ARDOUR_PACKAGES := ardour
RUN_PROGRAM ?= 78
RUN_OUTPUT ?= $(BUILD_DIR)/orvane-render.wav
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all

.PHONY: asan windows ardour

run: build
	$(BUILD_DIR)/orvane-render $(BUILD_DIR)/libOrvanePro.so --program $(RUN_PROGRAM) --output $(RUN_OUTPUT)
	@echo "The rendered audio is in $(abspath $(RUN_OUTPUT))"

asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVANE_STATIC_RUNTIME=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

windows:
	$(MAKE) deps PACKAGES="$(WINDOWS_PACKAGES)"
	cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DORVANE_TESTS=OFF
	cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS)
	cd $(WINDOWS_BUILD_DIR) && WINEPREFIX="$(abspath $(WINDOWS_BUILD_DIR))/wineprefix" WINEDEBUG=-all DISPLAY= \
	  wine orvane-host-check.exe OrvanePro.dll

ardour: build
	$(MAKE) deps PACKAGES="$(ARDOUR_PACKAGES)"
	sh tests/ardour/run.sh $(BUILD_DIR)/libOrvanePro.so $(ARDOUR_WORK_DIR)
