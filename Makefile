# Two commands do all set-up on a fresh Debian machine: `make run` and `make test`.

BUILD ?= build
JOBS ?= $(shell nproc)
ARGS ?=

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
RUN_PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xauth xdotool x11-utils imagemagick

.PHONY: run test bench build deps test-deps contact-sheet screenshot clean

# Installs only what is missing, and nothing when all is present.
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install_missing,$(RUN_PACKAGES))

test-deps:
	$(call install_missing,$(TEST_PACKAGES))

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: deps
	@$(MAKE) --no-print-directory build
	./$(BUILD)/pixmosa $(ARGS)

test: test-deps
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j $(JOBS)

bench: deps
	@$(MAKE) --no-print-directory build
	@for b in $(BUILD)/*_bench; do echo "== $$b"; xvfb-run -a $$b || exit 1; done

contact-sheet: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target contact_sheet
	./$(BUILD)/contact_sheet $(BUILD)/contact-sheet.png
	@echo "wrote $(BUILD)/contact-sheet.png"

clean:
	rm -rf $(BUILD)
