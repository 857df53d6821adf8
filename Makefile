# Set-up, build and test in one place; every target installs what it needs.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev libsndfile1-dev sox

.PHONY: all deps configure build test run install bench compare-renders clean

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

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DORVANE_VST_DIR="$(VST_DIR)"

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# REALTIME_BENCH_FLAGS="--blocks 5000" for a quick look; "--load" adds a busy loop on every core.
REALTIME_BENCH_FLAGS ?=
bench: build
	$(BUILD_DIR)/orvane_bench
	$(BUILD_DIR)/orvane_realtime_bench $(REALTIME_BENCH_FLAGS)

# Every program must sound as it does with the engine of the reference commit.
REFERENCE ?= 915d253
COMPARE_FLAGS ?=
compare-renders: build
	JOBS=$(JOBS) sh tests/compare-renders.sh $(COMPARE_FLAGS) $(REFERENCE) $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)

# The command-line host, the sanitizer suite, the Windows build and a real host.
ASAN_BUILD_DIR ?= build-asan
TSAN_BUILD_DIR ?= build-tsan
WINDOWS_BUILD_DIR ?= build-windows
ARDOUR_WORK_DIR ?= build-ardour
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 wine64 wine
ARDOUR_PACKAGES := ardour
QTRACTOR_PACKAGES := qtractor
QTRACTOR_SCANNER := /usr/lib/x86_64-linux-gnu/qtractor/qtractor_plugin_scan
RUN_PROGRAM ?= 78
RUN_OUTPUT ?= $(BUILD_DIR)/orvane-render.wav
# The plug-in's folder for make install: relative to the prefix, or absolute such as $(HOME)/.vst.
VST_DIR ?= lib/vst
SANITIZE := -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=all
THREAD_SANITIZE := -fsanitize=thread -fno-omit-frame-pointer
# A race ends the test process at once with its own exit code.
TSAN_OPTIONS ?= halt_on_error=1 exitcode=66 second_deadlock_stack=1

.PHONY: asan tsan windows ardour qtractor

run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target OrvanePro orvane-render
	$(BUILD_DIR)/orvane-render $(BUILD_DIR)/libOrvanePro.so --program "$(RUN_PROGRAM)" --output "$(RUN_OUTPUT)"
	@echo "The rendered audio is in $(abspath $(RUN_OUTPUT))"

install: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target OrvanePro
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)

asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DORVANE_STATIC_RUNTIME=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The concurrency tests under the thread sanitizer: the rest of the suite is single-threaded.
tsan: deps
	cmake -S . -B $(TSAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_STATIC_RUNTIME=OFF \
	  -DCMAKE_CXX_FLAGS="$(THREAD_SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(THREAD_SANITIZE)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(THREAD_SANITIZE)"
	cmake --build $(TSAN_BUILD_DIR) -j $(JOBS) --target orvane_tests
	cd $(TSAN_BUILD_DIR) && TSAN_OPTIONS="$(TSAN_OPTIONS)" ctest --output-on-failure -R '^(Concurrency|RealtimeControl)\.'

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

# Qtractor's scanner loads the library in a child process and prints one line naming it.
qtractor: build
	$(MAKE) deps PACKAGES="$(QTRACTOR_PACKAGES)"
	echo "VST:$(abspath $(BUILD_DIR))/libOrvanePro.so" | $(QTRACTOR_SCANNER) > $(BUILD_DIR)/qtractor-scan.txt
	cat $(BUILD_DIR)/qtractor-scan.txt
	grep -q "|Orvane Pro|" $(BUILD_DIR)/qtractor-scan.txt
