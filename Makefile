# The two everyday commands are `make run` and `make test`; both install
# what is missing first.
BUILD_DIR ?= build
APP_DIR := $(BUILD_DIR)/Pelikor2000
JOBS ?= $(shell nproc)
# `make install` and `make uninstall` work under this prefix, by default
# for the current user: the program goes to $(PREFIX)/games/pelikor2000.
PREFIX ?= $(HOME)/.local
# A fresh build folder is built by Ninja (scripts/setup installs it); one
# made earlier keeps the generator it was made with.
export CMAKE_GENERATOR ?= Ninja

.PHONY: setup build run test install uninstall deb bench screenshots clean

setup:
	@scripts/setup

# A folder configured once is configured again by the build itself when a
# CMakeLists.txt changes.
build: setup
	@[ -f $(BUILD_DIR)/CMakeFiles/cmake.check_cache ] || cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@scripts/run $(APP_DIR)/Pelikor2000

# `make test IN_PACKAGE=1`, what CI runs, runs every test inside the Debian
# package's own build instead, which lintian then checks: one compile, with
# the package's flags, serves the tests and the package.
ifeq ($(IN_PACKAGE),1)
test: setup
	@JOBS=$(JOBS) scripts/deb $(BUILD_DIR) --check
else
# The tests mostly wait on their X servers, the programs they start and the
# disk, so twice as many run at once as there are cores.
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$$((2 * $(JOBS)))
endif

install: build
	@cmake --install $(BUILD_DIR) --prefix "$(PREFIX)" --strip >/dev/null
	@echo "Installed $(PREFIX)/games/pelikor2000 with its menu entry; its files in $(PREFIX)/share, its sound module in $(PREFIX)/lib"

uninstall: build
	@scripts/uninstall $(BUILD_DIR) "$(PREFIX)"

deb: setup
	@JOBS=$(JOBS) scripts/deb $(BUILD_DIR)

bench: build
	@cmake --build $(BUILD_DIR) --target benchmarks -j$(JOBS)
	@scripts/bench $(BUILD_DIR)

screenshots: build
	@cmake --build $(BUILD_DIR) --target screenshots gallery -j$(JOBS)
	@scripts/screenshots $(BUILD_DIR)

clean:
	@rm -rf $(BUILD_DIR)
