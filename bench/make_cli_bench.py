#!/usr/bin/env python3
"""Writes the data of bench/cli_vs_patch.sh: a program folder with one large mod, and a forum
of generated Perl-like scripts that the mod edits from top to bottom.

    make_cli_bench.py OUT [--files 60] [--file-kb 120] [--steps 1200]

OUT/program/Mods/YaBB 2.1/bench.mod, OUT/forum/YaBB.pl, OUT/forum/Sources/ModuleNN.pl.
Half of the scripts have CR LF line breaks and half LF, as forums mix them."""
import argparse
import os

CRLF = "\r\n"


def script_lines(index, target_bytes):
    """Lines of one generated script, every one unique, until the size is reached."""
    lines = [f"# Module{index:02d}.pl: generated for the kestrune-cli benchmark", ""]
    size = sum(len(l) + 2 for l in lines)
    n = 0
    while size < target_bytes:
        block = [
            f"sub module{index:02d}_routine{n} {{",
            f"\tmy ($board, $thread, $page) = @_;  # routine {n} of module {index}",
            f"\tmy $limit{n} = $settings{{'limit_{n}'}} || {n % 97 + 3};",
            f"\tforeach my $entry (&LoadEntries($board, 'm{index}r{n}')) {{",
            f"\t\tnext unless $entry->{{'visible'}} && $entry->{{'page'}} == $page;",
            f"\t\t&PrintEntry($entry, $limit{n});",
            "\t}",
            f"\treturn $thread + {n};",
            "}",
            "",
        ]
        lines += block
        size += sum(len(l) + 2 for l in block)
        n += 1
    lines.append("1;")
    return lines, n


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--files", type=int, default=60)
    parser.add_argument("--file-kb", type=int, default=120)
    parser.add_argument("--steps", type=int, default=1200)
    args = parser.parse_args()

    forum = os.path.join(args.out, "forum")
    mods = os.path.join(args.out, "program", "Mods", "YaBB 2.1")
    os.makedirs(os.path.join(forum, "Sources"), exist_ok=True)
    os.makedirs(mods, exist_ok=True)

    main_script = ["#!/usr/bin/perl --", "$YaBBversion = 'YaBB 2.1';", ""]
    main_script += [f'require "Sources/Module{i:02d}.pl";' for i in range(args.files)]
    main_script += ["", "&Dispatch($action);", "exit;"]
    with open(os.path.join(forum, "YaBB.pl"), "wb") as f:
        f.write((CRLF.join(main_script) + CRLF).encode())

    mod = ["<id>", "Benchmark", "</id>", "", "<version>", "1.0", "</version>", "",
           "<mod info>", "Touches every routine it can reach.", "</mod info>", "",
           "<author>", "bench", "</author>", "", "<homepage>", "", "</homepage>", ""]
    steps_per_file = -(-args.steps // args.files)
    made = 0
    for i in range(args.files):
        lines, routines = script_lines(i, args.file_kb * 1024)
        break_ = CRLF if i % 2 == 0 else "\n"
        name = f"Sources/Module{i:02d}.pl"
        with open(os.path.join(forum, name), "wb") as f:
            f.write((break_.join(lines) + break_).encode())

        mod += ["<edit file>", name, "</edit file>", ""]
        count = min(steps_per_file, args.steps - made, routines)
        for k in range(count):
            n = k * routines // count  # spread over the file, in file order
            kind = k % 3
            if kind == 0:  # a two-line replace
                search = [f"\tmy $limit{n} = $settings{{'limit_{n}'}} || {n % 97 + 3};",
                          f"\tforeach my $entry (&LoadEntries($board, 'm{i}r{n}')) {{"]
                action = [f"\tmy $limit{n} = $settings{{'limit_{n}'}} || {n % 97 + 5};",
                          f"\tforeach my $entry (&LoadEntriesSorted($board, 'm{i}r{n}')) {{"]
                tag = "replace"
            elif kind == 1:
                search = [f"\treturn $thread + {n};"]
                action = [f"\t&CountView($thread);  # bench {i}/{n}"]
                tag = "add before"
            else:
                search = [f"sub module{i:02d}_routine{n} {{"]
                action = [f"\t# routine {n} is watched by the benchmark mod"]
                tag = "add after"
            mod += ["<search for>"] + search + ["</search for>",
                    f"<{tag}>"] + action + [f"</{tag}>", ""]
            made += 1
    with open(os.path.join(mods, "bench.mod"), "wb") as f:
        f.write(CRLF.join(mod).encode())
    print(f"{args.files} files of about {args.file_kb} KB, {made} steps")


if __name__ == "__main__":
    main()
