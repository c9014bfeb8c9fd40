# SPDX-License-Identifier: GPL-3.0-or-later
# Everything a fresh machine needs: `make run` and `make test`.
# QT=6 builds on Qt 6 in folders of its own, beside the Qt 5.15 ones.
QT ?= 5
ifeq ($(QT),6)
QTSUFFIX = -qt6
else ifneq ($(QT),5)
$(error QT must be 5 or 6)
endif
BUILD ?= build$(QTSUFFIX)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean translations fuzz test-asan package package-check

all: build

deps:
	@./scripts/install-deps qt$(QT)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHATWATCH_QT=$(QT) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/chatwatch

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Brings translations/*.ts up to date with the sources and forms; PRUNE=1 also
# drops the translations of texts that are gone.
translations: configure
	@cmake --build $(BUILD) --target $(if $(PRUNE),translations_prune,translations)

bench: build
	QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$(CURDIR)/$(BUILD)/tests/plugins ./$(BUILD)/bench/chatwatch_bench

clean:
	rm -rf $(BUILD)

# libFuzzer targets under ASan and UBSan; FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 20
FUZZ_BUILD = build-fuzz$(QTSUFFIX)
FUZZERS = fuzz_detection fuzz_config fuzz_speechtext fuzz_chatlog fuzz_maprules fuzz_rulecheck fuzz_vdf
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCHATWATCH_QT=$(QT) -DCHATWATCH_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for f in $(FUZZERS); do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	    echo "$$f: $(FUZZ_SECONDS) s"; \
	    ./$(FUZZ_BUILD)/tests/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=tests/fuzz/regressions/$$f/ $(FUZZ_BUILD)/corpus/$$f \
	        tests/fuzz/corpus/$$f tests/fuzz/regressions/$$f > $(FUZZ_BUILD)/$$f.log 2>&1 \
	        || { tail -40 $(FUZZ_BUILD)/$$f.log; echo "$$f failed: input kept in tests/fuzz/regressions/$$f"; exit 1; }; \
	    grep -E 'stat::number_of_executed_units' $(FUZZ_BUILD)/$$f.log; \
	done

# The Debian package, from its own Release build with Debian's hardening flags;
# CPack strips the binary. A packager passes PACKAGE_OPTIONS, such as
# -DCHATWATCH_HOMEPAGE=https://... (kept in build-release's cache).
RELEASE ?= build-release$(QTSUFFIX)
PACKAGE_OPTIONS ?=
package: deps
	@export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DCHATWATCH_QT=$(QT) -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	    -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(PACKAGE_OPTIONS) >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS) --target chatwatch
	@rm -f $(RELEASE)/*.deb
	cd $(RELEASE) && cpack

# The package's checks (tools from scripts/install-deps extras): lintian with
# no error or warning, the menu entry and the AppStream metadata valid, and
# under 1 MiB installed.
package-check: package
	@for t in lintian desktop-file-validate appstreamcli; do command -v $$t >/dev/null \
	    || { echo "$$t is missing: run scripts/install-deps extras"; exit 1; }; done
	@rm -rf $(RELEASE)/unpacked && dpkg-deb -x $(RELEASE)/chatwatch_*.deb $(RELEASE)/unpacked
	lintian --fail-on error,warning $(RELEASE)/chatwatch_*.deb
	@out=$$(desktop-file-validate $(RELEASE)/unpacked/usr/share/applications/*.desktop 2>&1); \
	    echo "desktop-file-validate: $${out:-no message}"; [ -z "$$out" ]
	appstreamcli validate --no-net $(RELEASE)/unpacked/usr/share/metainfo/*.metainfo.xml
	@size=$$(dpkg-deb -f $(RELEASE)/chatwatch_*.deb Installed-Size); \
	    echo "Installed-Size: $$size KiB"; [ "$$size" -lt 1024 ]

# Every test under AddressSanitizer and UBSan.
ASAN_BUILD = build-asan$(QTSUFFIX)
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCHATWATCH_QT=$(QT) -DCHATWATCH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure
