# make run      install what is missing, build the editor alone, start it;
#               make run QT=6 builds and starts it with Qt 6
# make test     install what is missing, build, run the tests, build and
#               check the Debian package, run the tests again under
#               AddressSanitizer and UndefinedBehaviorSanitizer, then build
#               with Qt 6 and run them once more
# make package  build the Debian package $(BUILD)/tarveo_<version>_<arch>.deb
# make bench    time reading, writing and editing large classifications
# make fuzz     run the file-reader fuzzer for FUZZ_SECONDS (default 60)
# make monkey   run a randomized editing session for MONKEY_SECONDS (default
#               60); it prints its seed, and MONKEY_SEED=N replays one

# The Qt the editor is built with: 5 (Debian 12's) or 6.
QT           ?= 5
ifeq ($(QT),6)
BUILD        ?= build-qt6
QT_SETUP     := --qt6
else
BUILD        ?= build
QT_SETUP     :=
endif
QT6_BUILD    ?= build-qt6
SAN_BUILD    ?= build-sanitize
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
MONKEY_SECONDS ?= 60
MONKEY_SEED  ?=
MONKEY_FILES := tests/data/editing/fleet.conf tests/data/editing/incomplete.conf \
                tests/data/rows/trucks.conf tests/data/check/kept.conf \
                tests/data/check/twosections.conf
JOBS         ?= $(shell nproc)

export ASAN_OPTIONS  := detect_leaks=1:halt_on_error=1:abort_on_error=0
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS  := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: all setup configure build run test unit-test package-test sanitize-test qt6-test \
        package bench fuzz monkey install clean

all: build

setup:
	@scripts/bootstrap.sh $(QT_SETUP)

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEO_QT_MAJOR=$(QT)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The editor and the libraries it links, nothing more: the tests, the
# benchmark and the other tools wait for `make test` or `make build`.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target tarveo
	./$(BUILD)/tarveo

test: unit-test package-test sanitize-test qt6-test

unit-test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

package: build
	@scripts/bootstrap.sh --package
	rm -f $(BUILD)/tarveo_*.deb
	cd $(BUILD) && cpack -G DEB

package-test: package
	scripts/check-package.sh $(BUILD)/tarveo_*.deb

sanitize-test: setup
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTARVEO_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite built with Qt 6; the package and the sanitizer run stay
# with Qt 5, the version Debian 12 ships.
qt6-test:
	@scripts/bootstrap.sh --qt6
	cmake -S . -B $(QT6_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEO_QT_MAJOR=6
	cmake --build $(QT6_BUILD) -j $(JOBS)
	cd $(QT6_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tarveo-bench

fuzz:
	@scripts/bootstrap.sh clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTARVEO_FUZZ=ON -DTARVEO_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target tarveo-fuzz
	mkdir -p $(FUZZ_BUILD)/corpus
	# Leaks are checked once, at exit: checked after every input, they
	# halve the inputs tried in the time.
	ASAN_OPTIONS=detect_leaks=1 ./$(FUZZ_BUILD)/fuzz/tarveo-fuzz -max_total_time=$(FUZZ_SECONDS) \
	    -timeout=5 -rss_limit_mb=2048 -detect_leaks=0 $(FUZZ_BUILD)/corpus fuzz/seeds

monkey: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tests/tarveo-monkey --seconds $(MONKEY_SECONDS) \
	    $(if $(MONKEY_SEED),--seed $(MONKEY_SEED)) $(MONKEY_FILES)

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(QT6_BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
