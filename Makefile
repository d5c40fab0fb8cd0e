# Frostova: `make run` builds and starts the game, `make test` builds and runs
# every test. Both install what is missing first.

RELEASE := build/release
TESTING := build/test
BENCH   := build/bench
TOOLS   := build/tools
FUZZ    := build/fuzz
ARGS    ?=
# make fuzz / make soak: seconds per fuzz target, cores, ticks per level.
FUZZ_SECONDS ?= 300
FUZZ_JOBS    ?= $(shell nproc)
SOAK_TICKS   ?= 1000000

.PHONY: run build test bench assets pictures deps test-deps rebaseline clean fuzz-build fuzz soak tools-build

# What building and running the game needs, and what only the tests, the
# benchmarks and the fuzz targets need beside it.
GAME_PACKAGES := g++ cmake ninja-build pkg-config libsdl2-dev libstb-dev
TEST_PACKAGES := clang libclang-rt-14-dev libgtest-dev libbenchmark-dev xvfb xdotool x11-utils imagemagick

deps:
	@scripts/install-deps $(GAME_PACKAGES)

test-deps:
	@scripts/install-deps $(GAME_PACKAGES) $(TEST_PACKAGES)

build: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE) --target frostova

run: build
	./$(RELEASE)/shell/frostova $(ARGS)

test: test-deps
	@cmake -S . -B $(TESTING) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFROSTOVA_SANITIZE=ON -DFROSTOVA_TESTS=ON >/dev/null
	@cmake --build $(TESTING)
	@$(MAKE) --no-print-directory tools-build
	cd $(TESTING) && ctest --output-on-failure -j$$(nproc)
	@$(MAKE) --no-print-directory fuzz-build
	cd $(FUZZ) && ctest --output-on-failure -j$$(nproc)

# The generators of data/ are built (not run) by make test, so that a change
# to the game's headers they share cannot leave them broken until make assets.
tools-build:
	@scripts/install-deps $(GAME_PACKAGES) libcairo2-dev libpango1.0-dev libpng-dev
	@cmake -S tools -B $(TOOLS) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(TOOLS)

# The fuzz targets and the soak, built by clang with its sanitizers; make test
# runs each target a few seconds and a short soak.
fuzz-build: test-deps
	@cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
		-DCMAKE_CXX_COMPILER=clang++ -DFROSTOVA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ)

fuzz: fuzz-build
	scripts/fuzz $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_JOBS)

soak: fuzz-build
	seq 1 24 | xargs -P $(FUZZ_JOBS) -I{} ./$(FUZZ)/fuzz/soak --ticks $(SOAK_TICKS) --level {} \
		--replays tests/levels/replays

# Writes new reference pictures for the picture-comparison tests; look at them
# before committing.
rebaseline: test-deps
	@cmake -S . -B $(TESTING) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFROSTOVA_SANITIZE=ON -DFROSTOVA_TESTS=ON >/dev/null
	@cmake --build $(TESTING)
	FROSTOVA_REBASELINE=1 SDL_VIDEODRIVER=dummy ./$(TESTING)/tests/test_scene --gtest_filter='Golden*'
	FROSTOVA_REBASELINE=1 SDL_VIDEODRIVER=dummy ./$(TESTING)/tests/test_shell --gtest_filter='Golden*'

bench: test-deps
	@cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFROSTOVA_BENCH=ON >/dev/null
	@cmake --build $(BENCH)
	./$(BENCH)/bench/frostova_bench

# Regenerates the committed art and tables under data/ with our own tools.
assets: tools-build
	@scripts/install-deps fonts-noto-core fonts-noto-cjk fonts-dejavu-core
	@cmake --build $(TOOLS) --target assets

# Writes the README's pictures, docs/scene.png and docs/title.png, with the
# game's own headless test and title-picture mode.
pictures: build
	@scripts/install-deps imagemagick
	@scripts/make-pictures $(RELEASE)/shell/frostova

clean:
	rm -rf build
