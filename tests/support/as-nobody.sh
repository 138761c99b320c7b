#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program as nobody when started by root, where root's right to read and
# write every file would hide a refusal; as itself otherwise. 77 (skipped) when
# nobody cannot reach the program.
if [ "$(id -u)" != 0 ]; then
  exec "$@"
fi
as_nobody="setpriv --reuid=$(id -u nobody) --regid=$(id -g nobody) --clear-groups --"
if ! $as_nobody test -x "$1"; then
  echo "nobody cannot run $1" >&2
  exit 77
fi
cd /tmp && exec $as_nobody "$@"
