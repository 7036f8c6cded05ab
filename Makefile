# The two commands of the README: `make run` and `make test`.
.PHONY: run test test-sanitize build setup bench screens golden clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake --preset release >/dev/null
	cmake --build --preset release

run: build
	cd data && ../build/release/duinvelde

test: setup
	cmake --preset debug >/dev/null
	cmake --build --preset debug
	ctest --preset debug

test-sanitize: setup
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize
	ctest --preset sanitize

bench: build
	for b in build/release/bench_*; do $$b; done

screens: build
	bash scripts/screens.sh build/release/duinvelde docs/screens

golden: setup
	cmake --preset debug >/dev/null
	cmake --build --preset debug
	DUINVELDE_UPDATE_GOLDEN=1 ctest --preset debug -R Golden

clean:
	rm -rf build
