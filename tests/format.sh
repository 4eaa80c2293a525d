#!/usr/bin/env bash
# Every C++ file of the repository keeps to .clang-format: prints what
# clang-format would change and fails. Run from the source tree's top.
set -euo pipefail
find src app tests bench tools fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
