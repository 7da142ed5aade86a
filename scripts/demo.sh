#!/usr/bin/env bash
# Builds the project and runs the demo in three sections: a session recorded in the
# simulated Internet Explorer on the sample site and replayed in a fresh browser; the
# same in the simulated Mozilla through the component; then the host's component
# installer asking fennick which Mozilla runtimes the (simulated) registry holds, against
# a sample installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

echo "=== Recording and replaying in Internet Explorer (skerrow)"
echo
# Platform sleeps at a twentieth (the window search waits 4 s a round), and any message
# box is answered at once, so the run never waits for a person.
status=0
PLATFORM_TIME_SCALE=0.05 PLATFORM_MESSAGEBOX_ANSWER=IDOK java -Djava.library.path=build/lib \
  -cp build/java/tarnwell_host.jar com.corvalen.tarnwell.demo.RecordAndReplay "file://$PWD/examples/site" || status=$?

echo
echo "=== Recording and replaying in Mozilla (marbleck)"
echo
# The simulated Mozilla runs as its own process with the component; the host's server
# commands the recording and the playback, the simulated user acts on its standard input.
PLATFORM_TIME_SCALE=0.05 java -cp build/java/tarnwell_host.jar com.corvalen.tarnwell.demo.MozillaRecordAndReplay \
  build/bin/mozilla build/components "$PWD/examples/site" || status=$?

echo
echo "=== Mozilla installations (fennick)"
echo
# A sample machine: two Mozilla installations under folders with long names, and the
# registry that their installers would have written.
demo="$PWD/build/demo"
rm -rf "$demo"
mkdir -p "$demo/Program Files/mozilla.org/Mozilla" "$demo/Program Files/Mozilla 1.7.5" \
         "$demo/Common Files/mozilla.org/GRE/1.6" "$demo/Common Files/mozilla.org/GRE/1.7.5"
touch "$demo/Program Files/mozilla.org/Mozilla/mozilla.exe" "$demo/Program Files/Mozilla 1.7.5/mozilla.exe"
cat > "$demo/registry.txt" <<REG
HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer|Version|6.0.2800.1106
HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE\\1.6|Version|1.6
HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE\\1.6|GreHome|$demo/Common Files/mozilla.org/GRE/1.6
HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE\\1.7.5|GreHome|$demo/Common Files/mozilla.org/GRE/1.7.5
HKEY_LOCAL_MACHINE\\SOFTWARE\\Mozilla\\Mozilla 1.6\\bin|PathToExe|$demo/Program Files/mozilla.org/Mozilla/mozilla.exe
HKEY_LOCAL_MACHINE\\SOFTWARE\\Mozilla\\Mozilla 1.7.5\\bin|PathToExe|$demo/Program Files/Mozilla 1.7.5/mozilla.exe
REG

echo "Registry of the sample machine ($demo/registry.txt):"
sed 's/^/  /' "$demo/registry.txt"
echo
PLATFORM_REGISTRY="$demo/registry.txt" java -Djava.library.path=build/lib \
  -cp build/java/tarnwell_host.jar com.corvalen.tarnwell.demo.InstallationReport
exit $status
