#!/usr/bin/env python3
"""Installs the build into a temporary prefix with DESTDIR and checks the installed tree as a
user would meet it: only the installed programs run (never the build folder's), the viewer
shows French from its installed translations, and the desktop metadata passes the tools
that desktops and software centres use.

Usage: install_test.py BUILD_DIR VERSION"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

BUILD, VERSION = sys.argv[1], sys.argv[2]
PROGRAMS = ["instrument-sim", "ondralink", "tamlo", "vordalis", "vordalis-cli", "vordalis-transfer"]
MIME_TYPE = "application/x-vordalis-object"
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def run(args, env=None, **kw):
    return subprocess.run(args, capture_output=True, text=True, env=env, timeout=120, **kw)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", path
    return struct.unpack(">II", head[16:24])


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="vordalis-install-")
        cls.dest = os.path.join(cls.tmp, "dest")
        env = dict(os.environ, DESTDIR=cls.dest)
        r = run(["cmake", "--install", BUILD, "--prefix", "/usr"], env=env)
        if r.returncode != 0:
            raise RuntimeError("cmake --install failed:\n" + r.stdout + r.stderr)
        cls.usr = os.path.join(cls.dest, "usr")
        cls.share = os.path.join(cls.usr, "share")
        cls.sample = os.path.join(cls.share, "vordalis/samples/list_metric.vdo")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def program(self, name):
        return os.path.join(self.usr, "bin", name)

    def clean_env(self, language=None):
        """An environment with no trace of the build: a private settings folder, the
        offscreen platform, and an update server that answers at once (nobody)."""
        config = tempfile.mkdtemp(dir=self.tmp)
        os.makedirs(os.path.join(config, "Morvex"))
        with open(os.path.join(config, "Morvex/Vordalis.conf"), "w") as f:
            f.write("[Settings]\nLanguage=%d\n[Update]\nHost=127.0.0.1\nPort=9\n" % (language or 0))
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "VORDALIS_"))}
        env.update(XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="offscreen", PATH="/usr/bin:/bin",
                   XDG_RUNTIME_DIR=config, TMPDIR=config)
        return env

    def test_files_where_desktops_look(self):
        self.assertEqual(sorted(os.listdir(os.path.join(self.usr, "bin"))), PROGRAMS)
        translations = os.listdir(os.path.join(self.share, "vordalis/translations"))
        for lang in ["fr", "de", "zh_CN", "ru"]:
            for group in ["viewer", "strings", "cover", "rebound", "update"]:
                self.assertIn("%s_%s.qm" % (group, lang), translations)
        self.assertIn("list_metric.vdo", os.listdir(os.path.join(self.share, "vordalis/samples")))
        for icon in ["vordalis", "ondralink"]:
            self.assertTrue(os.path.isfile(os.path.join(self.share, "icons/hicolor/scalable/apps", icon + ".svg")))
            for size in ICON_SIZES:
                png = os.path.join(self.share, "icons/hicolor/%dx%d/apps/%s.png" % (size, size, icon))
                self.assertEqual(png_size(png), (size, size), png)
        for name in PROGRAMS:
            page = os.path.join(self.share, "man/man1", name + ".1.gz")
            text = run(["gzip", "-dc", page]).stdout
            self.assertRegex(text, r'(?m)^\.TH \S+ 1 "[0-9-]+" "Vordalis %s"' % VERSION.replace(".", r"\."))
            self.assertIn(".SH EXIT STATUS", text)
        doc = os.path.join(self.share, "doc/vordalis")
        self.assertTrue(os.path.isfile(os.path.join(doc, "copyright")))
        self.assertIn("vordalis (%s)" % VERSION, run(["gzip", "-dc", os.path.join(doc, "changelog.gz")]).stdout)

    def test_cli_runs_from_the_installed_tree(self):
        r = run([self.program("vordalis-cli"), "--version"], env=self.clean_env(), cwd=self.tmp)
        self.assertEqual((r.returncode, r.stdout, r.stderr), (0, "vordalis-cli %s\n" % VERSION, ""))
        out = os.path.join(self.tmp, "list.png")
        r = run([self.program("vordalis-cli"), "render", self.sample, "-o", out], env=self.clean_env(), cwd=self.tmp)
        self.assertEqual(r.returncode, 0, r.stderr)
        width, height = png_size(out)
        self.assertGreater(width, 300)
        self.assertGreater(height, 300)

    def screenshot(self, name, language):
        out = os.path.join(self.tmp, name)
        env = self.clean_env(language)
        env["VORDALIS_SCREENSHOT"] = out
        r = run([self.program("vordalis"), self.sample], env=env, cwd=self.tmp)
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
        self.assertTrue(r.stdout.startswith(out + " "), r.stdout)
        with open(out, "rb") as f:
            return f.read()

    def test_viewer_speaks_french_from_installed_translations(self):
        english = self.screenshot("en.png", 0)
        french = self.screenshot("fr.png", 1)
        self.assertNotEqual(french, english)
        # Without the installed translations French falls back to the very English picture:
        # the difference above comes from them (and the pictures are repeatable).
        translations = os.path.join(self.share, "vordalis/translations")
        os.rename(translations, translations + ".away")
        try:
            fallback = self.screenshot("fr-without.png", 1)
        finally:
            os.rename(translations + ".away", translations)
        self.assertEqual(fallback, english)

    def test_desktop_entries_validate_and_open_object_files(self):
        apps = os.path.join(self.share, "applications")
        entries = sorted(os.listdir(apps))
        self.assertEqual(entries, ["com.morvex.Ondralink.desktop", "com.morvex.Vordalis.desktop"])
        for entry in entries:
            r = run(["desktop-file-validate", os.path.join(apps, entry)])
            self.assertEqual((r.returncode, r.stdout + r.stderr), (0, ""), entry)
        with open(os.path.join(apps, "com.morvex.Vordalis.desktop"), encoding="utf-8") as f:
            viewer = f.read()
        self.assertIn("\nExec=vordalis %f\n", viewer)
        self.assertIn("\nMimeType=%s;\n" % MIME_TYPE, viewer)
        for entry in entries:
            with open(os.path.join(apps, entry), encoding="utf-8") as f:
                icon = [l.split("=", 1)[1] for l in f.read().splitlines() if l.startswith("Icon=")][0]
            self.assertTrue(os.path.isfile(os.path.join(self.share, "icons/hicolor/48x48/apps", icon + ".png")))

    def test_file_type_is_known_with_comments_in_five_languages(self):
        packages = os.path.join(self.share, "mime/packages")
        self.assertEqual(os.listdir(packages), ["vordalis.xml"])
        xml = os.path.join(packages, "vordalis.xml")
        r = run(["xmllint", "--noout", xml])
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        # The database a desktop builds from it: the glob and the comments per language.
        r = run(["update-mime-database", "-V", os.path.join(self.share, "mime")])
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertNotIn("rror", r.stderr + r.stdout)
        with open(os.path.join(self.share, "mime/globs2")) as f:
            self.assertIn(":%s:*.vdo\n" % MIME_TYPE, f.read())
        typed = ET.parse(os.path.join(self.share, "mime", MIME_TYPE + ".xml")).getroot()
        ns = "{http://www.freedesktop.org/standards/shared-mime-info}"
        langs = {c.get("{http://www.w3.org/XML/1998/namespace}lang"): c.text for c in typed.iter(ns + "comment")}
        self.assertEqual(set(langs), {None, "fr", "de", "zh_CN", "ru"})
        self.assertEqual(len(set(langs.values())), 5)

    def test_appstream_metadata_validates(self):
        metainfo = os.path.join(self.share, "metainfo/com.morvex.Vordalis.metainfo.xml")
        r = run(["appstreamcli", "validate", "--no-net", metainfo])
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
        root = ET.parse(metainfo).getroot()
        self.assertEqual(root.find("launchable").text, "com.morvex.Vordalis.desktop")
        self.assertEqual(root.find("releases/release").get("version"), VERSION)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
