# Two commands do all set-up on a fresh Debian machine: `make run` and `make test`.

BUILD ?= build
JOBS ?= $(shell nproc)
ARGS ?=

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
RUN_PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xauth xdotool x11-utils imagemagick python3 clang-14 libclang-rt-14-dev valgrind

# The checked builds of `make test`: sanitizers, libFuzzer (clang), valgrind over one test.
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TEST_SECONDS ?= 20
VALGRIND_TESTS ?= shell_test overview_test files_charset_test hardening_regressions_test
SOAK_EVENTS ?= 20000000
SOAK_SECONDS ?= 3600

.PHONY: run test bench build deps test-deps contact-sheet screenshot clean
.PHONY: test-sanitize test-valgrind test-fuzz fuzz fuzz-build soak

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
	@$(MAKE) --no-print-directory test-sanitize
	@$(MAKE) --no-print-directory test-valgrind
	@$(MAKE) --no-print-directory test-fuzz FUZZ_SECONDS=$(FUZZ_TEST_SECONDS)

# Every headless test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXMOSA_SANITIZE=ON -DPIXMOSA_QT=OFF -DPIXMOSA_BENCH=OFF

test-sanitize: $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# Memory errors and definite leaks in the plain build, under valgrind.
test-valgrind:
	@for t in $(VALGRIND_TESTS); do echo "== valgrind $$t"; \
		valgrind -q --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite ./$(BUILD)/$$t --gtest_brief=1 || exit 1; done

$(FUZZ_BUILD)/CMakeCache.txt:
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXMOSA_FUZZ=ON \
		-DPIXMOSA_QT=OFF -DPIXMOSA_TESTS=OFF -DPIXMOSA_BENCH=OFF

fuzz-build: $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

test-fuzz: fuzz-build
	scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS)

fuzz: test-deps
	@$(MAKE) --no-print-directory test-fuzz

# The random session, long and with a seed from the clock (printed first).
soak: deps
	@$(MAKE) --no-print-directory build
	PIXMOSA_SESSION_SEED=clock PIXMOSA_SESSION_EVENTS=$(SOAK_EVENTS) PIXMOSA_SESSION_SECONDS=$(SOAK_SECONDS) \
		./$(BUILD)/random_session_test

bench: deps
	@$(MAKE) --no-print-directory build
	@for b in $(BUILD)/*_bench; do echo "== $$b"; xvfb-run -a $$b || exit 1; done

contact-sheet: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target contact_sheet
	./$(BUILD)/contact_sheet $(BUILD)/contact-sheet.png
	@echo "wrote $(BUILD)/contact-sheet.png"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
