#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build and checks that it holds every file
# an install brings, that its dependencies were computed from the binaries
# and name what the program loads at run time, and that the tool runs from
# the unpacked package.
# deb_package_test.sh CPACK BUILD_DIR WORK_DIR
set -euo pipefail
cpack=$1 build=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(echo "$work"/tovix_*.deb)
status=0

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in \
    usr/bin/tovix usr/bin/tovix-export \
    usr/share/applications/tovix.desktop usr/share/mime/packages/tovix.xml \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64}/{apps/tovix.png,mimetypes/application-x-tovix.png} \
    usr/share/man/man1/tovix.1 usr/share/man/man1/tovix-export.1 \
    usr/share/bash-completion/completions/tovix-export usr/share/doc/tovix/copyright \
    usr/lib/cmake/Tovix/{TovixConfig,TovixConfigVersion,TovixBasicConfigVersion,TovixTargets,TovixPixelData}.cmake; do
    if ! grep -qx "./$file" <<<"$contents"; then
        echo "the package lacks $file"
        status=1
    fi
done

depends=", $(dpkg-deb -f "$deb" Depends),"
for package in libc6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins qt6-image-formats-plugins libqt6svg6 \
    fonts-noto-cjk qt6-translations-l10n; do
    if [[ $depends != *", $package "* && $depends != *", $package,"* ]]; then
        echo "the package does not depend on $package:$depends"
        status=1
    fi
done

dpkg-deb -x "$deb" "$work/root"
# Machine-readable: the format line first, a copyright and a licence in every
# Files paragraph, and the text of every licence named there.
copyright_faults=$(awk -v RS= '
    NR == 1 && !/^Format: https:\/\/www\.debian\.org\/doc\/packaging-manuals\/copyright-format\/1\.0\/\n/ {
        print "the first paragraph has no Format line" }
    /^Files:/ && !/\nCopyright: / { print "no Copyright in: " $0 }
    match($0, /(^|\n)License: [^\n]*/) {
        field = substr($0, RSTART, RLENGTH); sub(/^\n?License: /, "", field)
        if (substr($0, RSTART + RLENGTH, 2) == "\n ") text[field] = 1
        else if (/^Files:/) used[field] = 1
    }
    /^Files:/ && !/\nLicense: / { print "no License in: " $0 }
    END { for (name in used) if (!(name in text)) print "no text for the licence " name }
' "$work/root/usr/share/doc/tovix/copyright")
if [ -n "$copyright_faults" ]; then
    echo "usr/share/doc/tovix/copyright is not a machine-readable copyright file:"
    echo "$copyright_faults"
    status=1
fi
unpacked=$("$work/root/usr/bin/tovix-export" --version) || status=1
built=$("$build/bin/tovix-export" --version)
if [ "$unpacked" != "$built" ]; then
    echo "the unpacked tovix-export says '$unpacked', the built one '$built'"
    status=1
fi
exit $status
