#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/add-spdx.sh on a small repository: it adds the line to the source
# files that lack it, after a "#!" line, leaves vendored code, data and other
# files alone, keeps file modes, and a second run changes nothing; --check
# lists exactly the files that lack it.
# spdx_script_test.sh SCRIPT WORK_DIR
set -euo pipefail
script=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work"
git init -q .

cpp='// SPDX-License-Identifier: GPL-3.0-or-later'
hash='# SPDX-License-Identifier: GPL-3.0-or-later'
mkdir -p core tests/data tests/third_party/lib fuzz/corpus/t scripts
printf 'int x;\n' >core/a.cpp
printf '%s\n#pragma once\n' "$cpp" >core/done.h
printf '' >core/CMakeLists.txt
printf '#!/usr/bin/env bash\necho hi\n' >scripts/run.sh
chmod +x scripts/run.sh
printf 'int data;\n' >tests/data/export.c
printf 'int vendored;\n' >tests/third_party/lib/v.h
printf 'x\n' >fuzz/corpus/t/input.py
printf 'notes\n' >notes.txt
printf 'not tracked;\n' >untracked.cpp
git add core tests fuzz scripts notes.txt
status=0
expect() {   # expect WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf '%s:\nexpected: %q\nactual:   %q\n' "$1" "$2" "$3"
        status=1
    fi
}

listed=$(bash "$script" --check . | sed 's/:.*//' | sort || true)
expect "the files --check lists" "$(printf 'core/CMakeLists.txt\ncore/a.cpp\nscripts/run.sh')" "$listed"
expect "--check exit status before" 1 "$(bash "$script" --check . >/dev/null; echo $?)"

bash "$script" .
expect core/a.cpp "$(printf '%s\nint x;' "$cpp")" "$(cat core/a.cpp)"
expect core/done.h "$(printf '%s\n#pragma once' "$cpp")" "$(cat core/done.h)"
expect core/CMakeLists.txt "$hash" "$(cat core/CMakeLists.txt)"
expect scripts/run.sh "$(printf '#!/usr/bin/env bash\n%s\necho hi' "$hash")" "$(cat scripts/run.sh)"
expect "scripts/run.sh stays executable" yes "$([ -x scripts/run.sh ] && echo yes || echo no)"
for file in tests/data/export.c tests/third_party/lib/v.h fuzz/corpus/t/input.py notes.txt untracked.cpp; do
    expect "$file is left alone" "" "$(head -n 1 "$file" | grep SPDX || true)"
done

before=$(cat core/* scripts/*)
bash "$script" .
expect "a second run" "$before" "$(cat core/* scripts/*)"
expect "--check exit status after" 0 "$(bash "$script" --check . >/dev/null; echo $?)"
exit $status
