# Frostova: `make run` builds and starts the game, `make test` builds and runs
# every test. Both install what is missing first.

RELEASE := build/release
TESTING := build/test
BENCH   := build/bench
TOOLS   := build/tools
ARGS    ?=

.PHONY: run build test bench assets deps rebaseline clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE) --target frostova

run: build
	./$(RELEASE)/shell/frostova $(ARGS)

test: deps
	@cmake -S . -B $(TESTING) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFROSTOVA_SANITIZE=ON -DFROSTOVA_TESTS=ON >/dev/null
	@cmake --build $(TESTING)
	cd $(TESTING) && ctest --output-on-failure -j$$(nproc)

# Writes new reference pictures for the picture-comparison tests; look at them
# before committing.
rebaseline: deps
	@cmake -S . -B $(TESTING) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFROSTOVA_SANITIZE=ON -DFROSTOVA_TESTS=ON >/dev/null
	@cmake --build $(TESTING)
	FROSTOVA_REBASELINE=1 SDL_VIDEODRIVER=dummy ./$(TESTING)/tests/test_draw --gtest_filter='Golden*'

bench: deps
	@cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFROSTOVA_BENCH=ON >/dev/null
	@cmake --build $(BENCH)
	./$(BENCH)/bench/frostova_bench

# Regenerates the committed art and tables under data/ with our own tools.
assets:
	@scripts/install-deps libcairo2-dev libpango1.0-dev fonts-noto-core fonts-dejavu-core
	@cmake -S tools -B $(TOOLS) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(TOOLS)
	@cmake --build $(TOOLS) --target assets

clean:
	rm -rf build
