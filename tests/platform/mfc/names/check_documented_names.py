#!/usr/bin/python3
"""Fails when the framework's public headers declare a name that the list of
documented names beside them does not hold.

    check_documented_names.py INCLUDE_DIR LIST COMPILER

Parses the headers with libclang for the compiler's target, with the
compiler's own include directories, and collects what a program could name:
macros, classes, functions, variables, typedefs and enumerators, and the
public and protected members of classes. Not collected: private members, names
a documented macro declares where it is used (DECLARE_DYNAMIC's members
belong to DECLARE_DYNAMIC), constructors and destructors, and names beginning
with an underscore, which the framework keeps for its implementation (the
language reserves such names at file scope).
A member that <windows.h> renames for UNICODE (GetObjectW) counts under its
documented name (GetObject).
"""
import glob
import os
import re
import subprocess
import sys

import clang.cindex as ci

HEADERS = ('afxwin.h', 'afxcmn.h', 'afxdllx.h', 'afxstat_.h')
LIBCLANG = '/usr/lib/llvm-14/lib/libclang-14.so.1'
# clang's own headers (intrinsics), from Debian's libclang-common-14-dev.
CLANG_HEADERS = glob.glob('/usr/lib/llvm-14/lib/clang/*/include')


def compiler_setup(compiler):
    """The compiler's target triple and include directories."""
    target = subprocess.run([compiler, '-dumpmachine'], capture_output=True, text=True, check=True).stdout.strip()
    verbose = subprocess.run([compiler, '-E', '-x', 'c++', '-v', '-'], input='', capture_output=True,
                             text=True).stderr
    dirs = verbose.split('#include <...> search starts here:')[1].split('End of search list')[0].split()
    # The compiler's own intrinsics are not clang's: clang brings its own.
    dirs = [d for d in dirs if not re.search(r'/lib/gcc/[^/]+/[^/]+/include(-fixed)?$', d)]
    return target, dirs


def parse(include_dir, compiler):
    target, dirs = compiler_setup(compiler)
    source = ''.join('#include <%s>\n' % h for h in HEADERS)
    args = ['-x', 'c++', '-std=c++17', '--target=' + target, '-nostdlibinc', '-nostdinc++',
            '-DUNICODE', '-D_UNICODE', '-I' + include_dir] + ['-isystem' + d for d in CLANG_HEADERS + dirs]
    options = (ci.TranslationUnit.PARSE_DETAILED_PROCESSING_RECORD |
               ci.TranslationUnit.PARSE_SKIP_FUNCTION_BODIES)
    tu = ci.Index.create().parse('names.cpp', args=args, unsaved_files=[('names.cpp', source)], options=options)
    errors = [str(d) for d in tu.diagnostics if d.severity >= ci.Diagnostic.Error]
    if errors:
        sys.exit('the headers do not parse:\n' + '\n'.join(errors))
    return tu


def declared_names(tu, include_dir, documented):
    K = ci.CursorKind

    def in_headers(cursor):
        f = cursor.location.file
        return f is not None and os.path.abspath(f.name).startswith(include_dir + os.sep)

    macros = set()
    expansions = []   # (macro, file, start, end) of every macro used in the headers
    for c in tu.cursor.get_children():
        if c.kind == K.MACRO_DEFINITION:
            macros.add(c.spelling)
        elif c.kind == K.MACRO_INSTANTIATION and in_headers(c):
            e = c.extent
            expansions.append((c.spelling, os.path.abspath(e.start.file.name), e.start.offset, e.end.offset))

    def made_by_macro(cursor, name):
        """A declaration that a documented or reserved macro made where it is used."""
        loc = cursor.location
        f = os.path.abspath(loc.file.name)
        return any(f == ef and s <= loc.offset < e and m != name and (m in documented or m.startswith('_'))
                   for m, ef, s, e in expansions)

    names = set()
    skipped = (K.MACRO_INSTANTIATION, K.INCLUSION_DIRECTIVE, K.CXX_ACCESS_SPEC_DECL, K.CXX_BASE_SPECIFIER,
               K.FRIEND_DECL, K.STATIC_ASSERT, K.CONSTRUCTOR, K.DESTRUCTOR)
    scopes = (K.CLASS_DECL, K.STRUCT_DECL, K.UNION_DECL, K.CLASS_TEMPLATE, K.NAMESPACE)

    def walk(parent, scope):
        for c in parent.get_children():
            if not in_headers(c) or c.kind in skipped:
                continue
            if c.semantic_parent is not None and c.lexical_parent is not None and \
                    c.semantic_parent != c.lexical_parent:
                continue   # a member defined outside its class, counted where it is declared
            if c.kind == K.MACRO_DEFINITION:
                if not c.spelling.startswith('_'):
                    names.add(c.spelling)
                continue
            if c.access_specifier == ci.AccessSpecifier.PRIVATE:
                continue
            name = c.spelling
            if name.endswith('W') and name[:-1] in macros:
                name = name[:-1]
            if not name or c.kind == K.UNEXPOSED_DECL:
                walk(c, scope)   # anonymous enums and extern "C" blocks
                continue
            if name.startswith('_') or made_by_macro(c, name):
                continue
            names.add(scope + name)
            if c.kind in scopes:
                walk(c, scope + name + '::')
            elif c.kind == K.ENUM_DECL:
                walk(c, scope)

    walk(tu.cursor, '')
    return names


def documented_names(path):
    """The list: a line `[page title]` opens a page, each line under it names one name."""
    names = {}
    page = None
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            if line.startswith('[') and line.endswith(']'):
                page = line[1:-1]
            elif page is None:
                sys.exit('%s:%d: a name before any page title' % (path, number))
            else:
                names[line] = page
    return names


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    include_dir = os.path.abspath(sys.argv[1])
    ci.Config.set_library_file(LIBCLANG)
    documented = documented_names(sys.argv[2])
    declared = declared_names(parse(include_dir, sys.argv[3]), include_dir, documented)
    missing = sorted(declared - documented.keys())
    for name in missing:
        print('declared but not on the list of documented names: ' + name)
    print('%d names declared, %d on the list, %d not on it' % (len(declared), len(documented), len(missing)))
    stale = sorted(documented.keys() - declared)
    if stale:
        print('on the list but no longer declared (harmless): ' + ', '.join(stale))
    return 1 if missing or not declared else 0


if __name__ == '__main__':
    sys.exit(main())
