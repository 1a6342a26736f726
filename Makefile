# The two everyday commands (see README.md):
#   make demo   records a sample session and prints it
#   make test   builds everything and runs every test
# Both install what a fresh Debian 12 machine is missing with apt-get first.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Debian packages the build needs.
PACKAGES := g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev

.PHONY: all deps configure build test demo bench format clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  $$sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

demo: build
	rm -f $(BUILD_DIR)/demo.evt
	$(BUILD_DIR)/tools/qvhost --log $(BUILD_DIR)/demo.evt examples/orders.dfm examples/orders.script
	$(BUILD_DIR)/tools/evtdump --props $(BUILD_DIR)/demo.evt
	@if [ -n "$$DISPLAY" ]; then $(BUILD_DIR)/viewer/gui/oxlane $(BUILD_DIR)/demo.evt; \
	else echo "No display (DISPLAY is not set): not opening the log in oxlane."; fi

bench: build
	$(BUILD_DIR)/bench/bench_log
	$(BUILD_DIR)/bench/bench_viewer

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
