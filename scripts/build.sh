#!/usr/bin/env bash
# Configures (once) and builds the whole project into build/; incremental when run again.
# Sourced by scripts/run and scripts/test.
htmlsim_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" -j"$(nproc)"
}
