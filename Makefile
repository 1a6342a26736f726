# The two everyday commands (see README.md):
#   make demo   records a sample session, prints it and shows it in the viewer
#   make test   builds everything and runs every test
# Both install what a fresh Debian 12 machine is missing with apt-get first.
# CI also runs `make test-asan`: every test again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and `make fuzz`: each libFuzzer target for a bounded time.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
ASAN_BUILD_DIR ?= build-asan
JOBS ?= $(shell nproc)

# Debian packages the build needs, and those the tests need besides (chromium renders the steps
# report in a test); the demo does without the latter.
PACKAGES := g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev poppler-utils
TEST_PACKAGES := chromium

# The fuzzing build: clang with libFuzzer's runtime, the targets, and how long each one runs.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_TARGETS := fuzz_log_records fuzz_viewer_load fuzz_form_file fuzz_session_script fuzz_ini_file

# What the demo runs, and nothing else.
DEMO_TARGETS := qvhost evtdump oxlane

# A sanitizer finding ends the test that caused it, leaks included.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps configure build test demo demo-qt bench test-asan fuzz format clean

all: build

# Installs the missing packages as root, or through sudo; with neither, says what to run and stops.
deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; done; \
	[ -z "$$missing" ] && exit 0; \
	install="apt-get install -y -q --no-install-recommends$$missing"; \
	if [ "$$(id -u)" -eq 0 ]; then as_root=""; \
	elif command -v sudo >/dev/null 2>&1; then as_root="sudo"; \
	else \
	  echo "These Debian packages are missing:$$missing"; \
	  echo "Install them as root, then run make again:"; \
	  echo "  apt-get update && DEBIAN_FRONTEND=noninteractive $$install"; \
	  exit 1; \
	fi; \
	echo "Installing:$$missing"; \
	$$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	$$as_root env DEBIAN_FRONTEND=noninteractive $$install

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Target-specific, so that the deps these targets run through install the test packages too.
test test-asan: PACKAGES += $(TEST_PACKAGES)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRACEBOOK_SANITIZE=ON \
	  -DTRACEBOOK_BUILD_BENCHMARKS=OFF
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Builds the fuzz targets with clang and runs each one for FUZZ_SECONDS on the seed corpora of
# fuzz/corpus; a crash, a sanitizer finding, a hang or runaway memory fails it.
fuzz:
	$(MAKE) deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTRACEBOOK_FUZZ=ON -DTRACEBOOK_BUILD_TESTS=OFF -DTRACEBOOK_BUILD_BENCHMARKS=OFF
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target $(FUZZ_TARGETS)
	fuzz/run $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Prints a recorded log and shows it in the viewer, which needs a display it can reach; without
# one the demo ends with the printed log.
define SHOW_LOG
	$(BUILD_DIR)/tools/evtdump --props $(1)
	@if [ -z "$$DISPLAY" ]; then \
	  echo "No display (DISPLAY is not set): not opening $(1) in oxlane."; \
	elif ! $(BUILD_DIR)/viewer/gui/oxlane $(1); then \
	  echo "The recorded log is $(1); open it with oxlane where a display is reachable."; \
	fi
endef

demo: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target $(DEMO_TARGETS)
	rm -f $(BUILD_DIR)/demo.evt
	$(BUILD_DIR)/tools/qvhost --log $(BUILD_DIR)/demo.evt examples/orders.dfm examples/orders.script
	$(call SHOW_LOG,$(BUILD_DIR)/demo.evt)

# A real Qt program recorded: the sample order form plays its session, on Qt's offscreen platform
# when there is no display, into build/demo-qt.evt.
demo-qt: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target qt_orders evtdump oxlane
	rm -f $(BUILD_DIR)/demo-qt.evt
	if [ -z "$$DISPLAY" ]; then export QT_QPA_PLATFORM=offscreen; fi; \
	  $(BUILD_DIR)/examples/qt_orders/qt_orders --log $(BUILD_DIR)/demo-qt.evt --play
	$(call SHOW_LOG,$(BUILD_DIR)/demo-qt.evt)

bench: build
	$(BUILD_DIR)/bench/bench_log
	$(BUILD_DIR)/bench/bench_viewer

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(FUZZ_BUILD_DIR)
