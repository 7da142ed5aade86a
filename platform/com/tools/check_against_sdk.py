#!/usr/bin/env python3
"""Compares the COM headers of this stand-in with the Windows SDK headers of MinGW.

Checks that every constant (macro or enumerator) has the SDK's value, that the
interface identifiers are the SDK's, and that each interface lists the SDK's methods in
the SDK's order from the same base. Needs the 32-bit MinGW cross compiler
(i686-w64-mingw32-g++-posix, package g++-mingw-w64-i686) and a built tree.

  platform/com/tools/check_against_sdk.py [build directory, default build]
"""
import glob
import os
import re
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
COM = os.path.join(ROOT, "platform", "com", "include")
WIN32 = os.path.join(ROOT, "platform", "win32", "include")
SDK = "/usr/share/mingw-w64/include"
MINGW = "i686-w64-mingw32-g++-posix"
HEADERS = "".join(f"#include <{h}>\n" for h in ["windows.h", "objbase.h", "oleauto.h", "ocidl.h", "oleidl.h", "olectl.h"])
INTERFACES = ["IUnknown", "IClassFactory", "ISequentialStream", "IStream", "IEnumUnknown", "IAgileObject", "IDispatch",
              "IConnectionPointContainer", "IEnumConnectionPoints", "IConnectionPoint", "IEnumConnections",
              "IParseDisplayName", "IOleContainer"]
NOT_CONSTANTS = {"PURE", "THIS", "THIS_", "BEGIN_INTERFACE", "END_INTERFACE", "GUID_DEFINED", "CLSID_NULL", "IID_NULL"}


def constant_names():
    names = set()
    for path in glob.glob(os.path.join(COM, "*.h")) + [os.path.join(WIN32, "winerror.h")]:
        text = open(path).read()
        if path.endswith("winerror.h"):  # only the HRESULT block is this stand-in's
            text = text[text.index("// HRESULT"):text.index("#define NO_ERROR")]
        names.update(re.findall(r"^#define ([A-Z][A-Z0-9_]+)\s+\S", text, re.M))
        names.update(re.findall(r"^\s+([A-Z][A-Z0-9_]+) = ", text, re.M))
    return sorted(n for n in names if n not in NOT_CONSTANTS and not n.startswith(("V_", "STD", "WINOLE", "OLESTR",
                                                                                    "DEFINE_", "MIDL_", "EXTERN_")))


def rdata_of(source, work, name):
    """Compiles `source` with MinGW and gives the bytes of its read-only data."""
    cpp, obj, raw = (os.path.join(work, name + ext) for ext in (".cpp", ".o", ".bin"))
    open(cpp, "w").write(source)
    subprocess.run([MINGW, "-std=c++17", "-O1", "-c", cpp, "-o", obj], check=True)
    subprocess.run(["i686-w64-mingw32-objcopy", "-O", "binary", "--only-section=.rdata", obj, raw], check=True)
    return open(raw, "rb").read()


def run_ours(source, work, build, name):
    cpp, exe = os.path.join(work, name + ".cpp"), os.path.join(work, name)
    open(cpp, "w").write(source)
    lib = os.path.join(build, "lib")
    subprocess.run(["g++", "-std=c++20", "-I" + COM, "-I" + WIN32, cpp, "-L" + lib, "-lplatform_com", "-lplatform_win32",
                    "-Wl,-rpath," + lib, "-o", exe], check=True)
    return subprocess.run([exe], check=True, capture_output=True).stdout


def check_constants(work, build):
    names = constant_names()
    sdk = rdata_of(HEADERS + 'extern "C" const long long values[] = {\n' +
                   ",\n".join(f"(long long)({n})" for n in names) + "};\n", work, "constants")
    sdk_values = struct.unpack(f"<{len(names)}q", sdk[:8 * len(names)])
    ours = run_ours(HEADERS + "#include <cstdio>\nint main() {\n" +
                    "".join(f'  std::printf("%lld\\n", (long long)({n}));\n' for n in names) + "}\n", work, build,
                    "constants_ours").decode().split()
    bad = [(n, int(o), s) for n, o, s in zip(names, ours, sdk_values) if int(o) != s]
    for n, o, s in bad:
        print(f"constant {n}: ours {o}, SDK {s}")
    print(f"{len(names)} constants, {len(bad)} differ")
    return not bad


def check_guids(work, build):
    sdk = rdata_of(HEADERS + 'extern "C" const GUID guids[] = {' + ",".join(f"__uuidof({i})" for i in INTERFACES) +
                   "};\n", work, "guids")[:16 * len(INTERFACES)]
    ours = run_ours(HEADERS + "#include <cstdio>\nint main() {\n" +
                    "".join(f"  fwrite(&IID_{i}, 16, 1, stdout);\n  {{ GUID u = __uuidof({i}); fwrite(&u, 16, 1, stdout); }}\n"
                            for i in INTERFACES) + "}\n", work, build, "guids_ours")
    bad = [i for k, i in enumerate(INTERFACES)
           if ours[32 * k:32 * k + 16] != sdk[16 * k:16 * k + 16] or ours[32 * k + 16:32 * k + 32] != sdk[16 * k:16 * k + 16]]
    for i in bad:
        print(f"IID of {i} differs")
    print(f"{len(INTERFACES)} interface IDs, {len(bad)} differ")
    return not bad


def methods(text, interface):
    match = re.search(r"\n" + interface + r"\s*:\s*public\s+(\w+)\s*\{(.*?)\n\};", text, re.S)
    if not match:
        return None
    return match.group(1), re.findall(r"virtual\s+\w+\s+STDMETHODCALLTYPE\s+(\w+)\s*\(", match.group(2))


def check_methods():
    sdk = "".join(open(os.path.join(SDK, f)).read() for f in ["unknwn.h", "objidlbase.h", "oaidl.h", "ocidl.h", "oleidl.h"])
    ours = "".join(open(os.path.join(COM, f)).read() for f in ["unknwn.h", "objidl.h", "oaidl.h", "ocidl.h", "oleidl.h"])
    bad = 0
    for interface in INTERFACES:
        if interface == "IUnknown":
            continue  # the root: checked by every other interface's vtable
        if methods(sdk, interface) != methods(ours, interface):
            bad += 1
            print(f"{interface}: SDK {methods(sdk, interface)}, ours {methods(ours, interface)}")
    print(f"{len(INTERFACES) - 1} interfaces' methods, {bad} differ")
    return bad == 0


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
    with tempfile.TemporaryDirectory() as work:
        results = [check_constants(work, build), check_guids(work, build), check_methods()]
    sys.exit(0 if all(results) else 1)


if __name__ == "__main__":
    main()
