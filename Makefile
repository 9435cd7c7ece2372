# The project's commands: play the game, run the theme compiler, run every test, install, package.
BUILD := build
SANITIZE_BUILD := build-sanitize
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX ?= /usr/local

.PHONY: all deps build play pixelkiln test test-sanitize fuzz bench measure install package clean

all: build

deps:
	@./tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD)

play: build
	./$(BUILD)/bin/zorvagon

pixelkiln: build
	./$(BUILD)/bin/pixelkiln

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# Line tables are all the sanitizers' reports need; full debug information would double the build.
$(SANITIZE_BUILD)/build.ninja: | deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
		-DZORV_SANITIZE=ON >/dev/null

test-sanitize: deps $(SANITIZE_BUILD)/build.ninja
	@cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j2

# Every fuzzer in turn for FUZZ_SECONDS each (clang, both sanitizers).
FUZZ_SECONDS ?= 60
fuzz: deps
	./fuzz/run.sh $(FUZZ_SECONDS)

bench: build
	./$(BUILD)/bin/engine_bench
	./$(BUILD)/bin/render_bench

# Processor use, memory and start-up time of the running game in its usual states, under Xvfb.
measure: build
	@./tools/install-deps.sh measure
	./tools/measure-cpu.sh $(MEASURE_FLAGS)

# Installs under PREFIX (default /usr/local), below DESTDIR when that is given.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

# Builds $(BUILD)/zorvagon_<version>_<arch>.deb; its dependencies are read from the binaries.
package: build
	@./tools/install-deps.sh package
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz
