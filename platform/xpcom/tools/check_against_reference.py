#!/usr/bin/env python3
"""Compares the XPCOM stand-in's headers with the platform reference.

For every interface the headers declare: its IID and base, and (where the reference
lists the interface's C++ signatures) its methods in order with their parameter types
and its constants. For every contract ID, CID and result code the headers define: the
reference's value. The member order of the module description structs and the magic
queue and thread pointers. Facts the reference does not list are named as unverified (they
were taken from the Mozilla 1.7.3 tree by hand) and do not fail the check; the
stand-in's own internal interfaces (platform_internal/, src/) are not looked at.

  platform/xpcom/tools/check_against_reference.py [--headers DIR] [reference folder]

With --headers, the interfaces of DIR are checked instead (the Gecko stand-in's DOM
headers, which build on these); result codes and proxy constants belong to this
library and are checked only without it.
"""
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
INCLUDE = os.path.join(ROOT, "include")
ARGS = sys.argv[1:]
CHECKED = INCLUDE
if len(ARGS) >= 2 and ARGS[0] == "--headers":
    CHECKED = os.path.abspath(ARGS[1])
    ARGS = ARGS[2:]
REFERENCE = ARGS[0] if ARGS else os.path.abspath(os.path.join(ROOT, "..", "..", "..", "shared", "reference"))


def param_types(params):
    """The parameter types of a C++ parameter list, names and spacing dropped."""
    params = " ".join(params.split())
    if params in ("", "void"):
        return ()
    types = []
    for param in params.split(","):
        param = re.sub(r"\s*([*&])\s*", r"\1 ", param.strip())
        param = re.sub(r"\s+\w+$", "", param)  # the parameter's name
        param = param.replace("REFNSIID", "const nsIID&")
        types.append(re.sub(r"\s+", "", param))
    return tuple(types)


def norm_guid(text):
    """Any written form of a GUID (string or {0x..} initialiser) as 32 lower-case hex digits."""
    text = text.strip()
    if text.startswith("{") and "0x" in text:
        parts = [int(p, 16) for p in re.findall(r"0x([0-9a-fA-F]+)", text)]
        if len(parts) != 11:
            return None
        return f"{parts[0]:08x}{parts[1]:04x}{parts[2]:04x}" + "".join(f"{b:02x}" for b in parts[3:])
    digits = re.sub(r"[^0-9a-fA-F]", "", text).lower()
    return digits if len(digits) == 32 else None


# ---------------------------------------------------------------- the reference
def read_reference():
    signatures = open(os.path.join(REFERENCE, "gecko-1.7.3-signatures.txt")).read()
    apis = open(os.path.join(REFERENCE, "platform-apis.md")).read()
    interfaces = {}
    current = None
    for line in signatures.splitlines():
        m = re.match(r"interface (\w+) : (\w+)\s+\[.*uuid\(([0-9a-fA-F-]+)\)", line)
        if m:
            current = {"base": m.group(2), "iid": norm_guid(m.group(3)), "methods": [], "constants": {}}
            interfaces[m.group(1)] = current
            continue
        if current is None:
            continue
        m = re.match(r"\s+NS_IMETHOD(?:_\([^)]*\))?\s+(\w+)\((.*)\);", line)
        if m:
            current["methods"].append((m.group(1), param_types(m.group(2))))
        m = re.match(r"\s+const [\w ]+? (\w+) = (-?\w+);", line)
        if m:
            current["constants"][m.group(1)] = int(m.group(2), 0)
    # Interfaces only in the table of platform-apis.md: name, base and IID.
    for m in re.finditer(r"^\| (\w+) \| `[^`]+` \| (\w+|–)[^|]*\| `?\{?([0-9A-Fa-fx, {}-]+?)\}?`? \|$", apis, re.M):
        name, iid = m.group(1), norm_guid(m.group(3))
        if name not in interfaces and iid:
            interfaces[name] = {"base": m.group(2), "iid": iid, "methods": None, "constants": {}}
    m = re.search(r"nsIEventTarget \(`([0-9a-f-]+)`", apis)
    if m:
        interfaces.setdefault("nsIEventTarget", {"base": "nsISupports", "iid": norm_guid(m.group(1)),
                                                 "methods": None, "constants": {}})
    m = re.search(r"NS_IGENERICFACTORY_IID (\{[^\n]+\})", apis)
    if m:
        interfaces.setdefault("nsIGenericFactory", {"base": "nsIFactory", "iid": norm_guid(m.group(1)),
                                                    "methods": None, "constants": {}})
    contracts = dict(re.findall(r"`(\w+_CONTRACTID)` = `\"([^\"]+)\"`", apis))
    cids = {}
    for name, guid in re.findall(r"`(\w+_CID)` `?(\{0x[^`]+?\}\})", apis):
        cids[name] = norm_guid(guid)
    for macro, guid in re.findall(r"`(NS_\w+_CONTRACTID)` = `\"[^\"]+\"`; CID `(\{0x[^`]+\}\})`", apis):
        cids[macro.replace("_CONTRACTID", "_CID")] = norm_guid(guid)
    results = {}
    for name, value in re.findall(r"^\| `(NS_\w+)`[^|]*\| `\(?\(?(?:nsresult\)\s*)?([^`]+?)\)?`", apis, re.M):
        results[name] = value
    for name, alias in re.findall(r"^\| `(NS_\w+)` \(= `(NS_\w+)`\)", apis, re.M):
        if name in results:
            results[alias] = results[name]
    constants = {}
    for name, value in re.findall(r"`(PROXY_\w+)`[^`]*`(0x[0-9a-f]+)`", apis):
        constants[name] = int(value, 16)
    proxies = re.search(r"`PROXY_SYNC` / `PROXY_ASYNC` / `PROXY_ALWAYS` \| `(\w+)` / `(\w+)` / `(\w+)`", apis)
    if proxies:
        for name, value in zip(("PROXY_SYNC", "PROXY_ASYNC", "PROXY_ALWAYS"), proxies.groups()):
            constants[name] = int(value, 0)
    enums = {}
    for block in re.findall(r"`\w+ \{ ([^}]+) \}`", apis):
        value = 0
        for item in block.split(","):
            item = item.strip()
            if "=" in item:
                item, text = (s.strip() for s in item.split("="))
                value = int(text, 0)
            enums[item] = value
            value += 1
    return interfaces, contracts, cids, results, constants, enums


def struct_fields(text, name):
    """The member names of `struct name { ... };` in order, or None when it is not there."""
    m = re.search(r"struct " + name + r" \{(.*?)\};", re.sub(r"//[^\n]*", "", text), re.S)
    if not m:
        return None
    return [re.search(r"(\w+)\s*$", field).group(1) for field in m.group(1).split(";") if field.strip()]


def read_reference_layouts():
    """Struct member orders and pointer-valued macros the reference spells out."""
    apis = open(os.path.join(REFERENCE, "platform-apis.md")).read()
    structs = {name: struct_fields(apis, name) for name in ("nsModuleComponentInfo", "nsModuleInfo")}
    pointers = dict(re.findall(r"`(NS_\w+) (\(\(\w+\s*\*\)\d+\))`", apis))
    return structs, pointers


# ---------------------------------------------------------------- the headers
def read_headers(folder):
    text = ""
    for name in sorted(os.listdir(folder)):
        if name.endswith(".h"):
            text += open(os.path.join(folder, name)).read() + "\n"
    joined = re.sub(r"\\\n", " ", text)
    macros = dict(re.findall(r"^#define (\w+)[ \t]+(.+)$", joined, re.M))
    interfaces = {}
    for m in re.finditer(r"class NS_NO_VTABLE (\w+) : public (\w+) \{(.*?)\n\};", text, re.S):
        name, base, body = m.groups()
        accessor = re.search(r"NS_DEFINE_STATIC_IID_ACCESSOR\((\w+)\)", body)
        methods = []
        for method in re.finditer(r"NS_IMETHOD(?:_\([^)]*\))?\s+(\w+)\(([^;]*?)\)\s*=\s*0;", body, re.S):
            methods.append((method.group(1), param_types(method.group(2))))
        constants = {}
        for enum in re.findall(r"enum \{([^}]*)\}", body):
            for item in enum.split(","):
                if "=" in item:
                    key, value = (s.strip() for s in item.split("="))
                    constants[key] = int(value.rstrip("uU"), 0)
        interfaces[name] = {"base": base, "iid": norm_guid(macros.get(accessor.group(1), "")) if accessor else None,
                            "methods": methods, "constants": constants}
    return macros, interfaces


def evaluate(names, extra_includes):
    """The values of macros as the compiler sees them."""
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "values.cpp")
        program = os.path.join(work, "values")
        with open(source, "w") as out:
            out.write("#include <cstdio>\n" + "".join(f"#include <{h}>\n" for h in extra_includes))
            out.write("int main() {\n")
            for name in names:
                out.write(f'  std::printf("%lld\\n", (long long)({name}));\n')
            out.write("}\n")
        subprocess.run(["c++", "-std=c++20", "-I" + INCLUDE, source, "-o", program], check=True)
        output = subprocess.run([program], check=True, capture_output=True, text=True).stdout.split()
    return dict(zip(names, (int(v) for v in output)))


def check_layouts(macros, problems, unverified):
    """The module description structs' member order and the magic pointers; returns how
    many facts were compared."""
    checked = 0
    ref_structs, ref_pointers = read_reference_layouts()
    header_text = "".join(open(os.path.join(INCLUDE, n)).read() for n in sorted(os.listdir(INCLUDE)) if n.endswith(".h"))
    for name, ref_fields in sorted(ref_structs.items()):
        checked += 1
        ours = struct_fields(header_text, name)
        if ref_fields is None:
            unverified.append(f"member order of {name}")
        elif ours != ref_fields:
            problems.append(f"{name} members {ours}, reference {ref_fields}")
    for name, ref_value in sorted(ref_pointers.items()):
        checked += 1
        ours = re.sub(r"\s+", "", macros.get(name, "(missing)"))
        if ours != re.sub(r"\s+", "", ref_value):
            problems.append(f"{name} = {ours}, reference {ref_value}")
    return checked


def main():
    ref_interfaces, ref_contracts, ref_cids, ref_results, ref_constants, ref_enums = read_reference()
    macros, interfaces = read_headers(CHECKED)
    problems, unverified, checked = [], [], 0

    for name, ours in sorted(interfaces.items()):
        ref = ref_interfaces.get(name)
        if ref is None:
            unverified.append(f"interface {name} (IID and methods)")
            continue
        checked += 1
        if ours["iid"] != ref["iid"]:
            problems.append(f"{name}: IID {ours['iid']}, reference {ref['iid']}")
        if ref["base"] not in ("–", None) and ours["base"] != ref["base"]:
            problems.append(f"{name}: base {ours['base']}, reference {ref['base']}")
        if ref["methods"] is not None and ours["methods"] != ref["methods"]:
            ours_list, ref_list = ours["methods"], ref["methods"]
            at = next((i for i, (a, b) in enumerate(zip(ours_list, ref_list)) if a != b), min(len(ours_list), len(ref_list)))
            mine = ours_list[at] if at < len(ours_list) else "(none)"
            theirs = ref_list[at] if at < len(ref_list) else "(none)"
            problems.append(f"{name}: method {at + 1} is {mine}, reference {theirs}")
        if ref["methods"] is None and ours["methods"]:
            unverified.append(f"methods of {name}")
        for constant, value in ours["constants"].items():
            if constant not in ref["constants"]:
                unverified.append(f"{name}::{constant}")
            elif ref["constants"][constant] != value:
                problems.append(f"{name}::{constant} = {value}, reference {ref['constants'][constant]}")
        for constant in ref["constants"]:
            if constant not in ours["constants"]:
                problems.append(f"{name}::{constant} is missing")

    for macro, value in sorted(macros.items()):
        if macro.endswith("_CONTRACTID"):
            checked += 1
            string = value.strip().strip('"')
            if macro not in ref_contracts:
                unverified.append(f"{macro} = \"{string}\"")
            elif ref_contracts[macro] != string:
                problems.append(f"{macro} = \"{string}\", reference \"{ref_contracts[macro]}\"")
        elif macro.endswith("_CID") and value.strip().startswith("{"):
            checked += 1
            if macro not in ref_cids:
                unverified.append(macro)
            elif ref_cids[macro] != norm_guid(value):
                problems.append(f"{macro} = {norm_guid(value)}, reference {ref_cids[macro]}")

    if CHECKED != INCLUDE:
        macros = {}  # the DOM headers' result codes are named, not yet compared
    results = sorted(m for m in macros if re.match(r"NS_(OK|ERROR_\w+|NOINTERFACE)$", m)
                     and not m.startswith(("NS_ERROR_GENERATE", "NS_ERROR_MODULE", "NS_ERROR_SEVERITY")))
    constants = sorted(m for m in macros if m.startswith("PROXY_"))
    enum_names = [] if CHECKED != INCLUDE else [n for n in ref_enums if re.search(r"\b" + n + r"\b", open(os.path.join(INCLUDE, "prthread.h")).read())]
    values = evaluate(results + constants + enum_names, ["nscore.h", "nsProxyEvent.h", "prthread.h"]) \
        if results or constants or enum_names else {}
    for name in results:
        checked += 1
        if name not in ref_results:
            unverified.append(name)
            continue
        expression = ref_results[name].replace("L", "")
        expected = eval(re.sub(r"NS_ERROR_BASE", "0xC1F30000", expression))  # noqa: S307 - reference text
        if values[name] & 0xffffffff != expected & 0xffffffff:
            problems.append(f"{name} = {values[name] & 0xffffffff:#x}, reference {expected & 0xffffffff:#x}")
    for name in constants:
        checked += 1
        if ref_constants.get(name) != values[name]:
            problems.append(f"{name} = {values[name]}, reference {ref_constants.get(name)}")
    for name in enum_names:
        checked += 1
        if ref_enums[name] != values[name]:
            problems.append(f"{name} = {values[name]}, reference {ref_enums[name]}")

    # The component's static module description is laid out by these orders; they and
    # the magic queue and thread pointers belong to this library, not to --headers.
    if CHECKED == INCLUDE:
        checked += check_layouts(macros, problems, unverified)

    for line in unverified:
        print(f"not in the reference (unverified): {line}")
    for line in problems:
        print(f"DIFFERS: {line}")
    print(f"{checked} facts compared, {len(problems)} differ, {len(unverified)} not in the reference")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
