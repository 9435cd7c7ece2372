# The project's commands: play the game, run the theme compiler, run every test.
BUILD := build
SANITIZE_BUILD := build-sanitize
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build play pixelkiln test test-sanitize bench clean

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

$(SANITIZE_BUILD)/build.ninja: | deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORV_SANITIZE=ON >/dev/null

test-sanitize: deps $(SANITIZE_BUILD)/build.ninja
	@cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j2

bench: build
	./$(BUILD)/bin/engine_bench
	./$(BUILD)/bin/render_bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
