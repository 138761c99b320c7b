# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of ours links this, so all code is built with the same warnings.
add_library(kletochka_warnings INTERFACE)
target_compile_options(kletochka_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  # GCC 12 at -O3 takes std::string concatenation for overlapping copies (GCC bug 105329).
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>
  $<$<BOOL:${KLETOCHKA_WERROR}>:-Werror>)
