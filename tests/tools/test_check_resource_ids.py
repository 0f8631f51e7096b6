#!/usr/bin/env python3
"""The resource-id check on small trees: one without faults, one with each."""
import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
CHECK = os.path.join(ROOT, 'tools', 'check-resource-ids')
FIXTURES = os.path.join(ROOT, 'tests', 'fixtures', 'resource-ids')


def run(tree):
    r = subprocess.run([sys.executable, CHECK, os.path.join(FIXTURES, tree)],
                       capture_output=True, text=True)
    return r.returncode, r.stdout.splitlines()


class CheckResourceIds(unittest.TestCase):
    def test_clean_tree_passes(self):
        # Shared names, names of two programs on one number, controls of two
        # dialogs on one number, a string without a name and coordinates
        # that equal an id are all fine.
        self.assertEqual(run('clean'), (0, []))

    def test_each_fault_is_one_line(self):
        code, lines = run('faults')
        self.assertEqual(code, 1)
        expected = [
            'client/Client.cpp:5: IDS_LOCAL_TEXT declared in a source, not in a resource-id header',
            'client/Client.cpp:7: IDS_CLIENT_TEXT declared in a source, not in a resource-id header',
            'client/Client.cpp:7: IDS_CLIENT_TEXT defined again (the same value; first at client/ClientResourceIds.h:1)',
            'client/ClientResourceIds.h:2: IDS_CLIENT_TEXT defined again (the same value; first at client/ClientResourceIds.h:1)',
            'client/ClientResourceIds.h:4: IDD_CLIENT_MAIN defined again (131, was 130; first at client/ClientResourceIds.h:3)',
            'client/ClientResourceIds.h:5: ID_ number 33000 has 2 names: ID_CLIENT_OPEN (client/ClientResourceIds.h:5), ID_CLIENT_OPEN_AGAIN (client/ClientResourceIds.h:6)',
            'client/OtherResourceIds.h:2: IDS_ number 500 has 2 names: IDS_CLIENT_SHARED (client/OtherResourceIds.h:2), IDS_SHARED_TEXT (common/app/AppResourceIds.h:1)',
            'res/client/client.rc:4: string id 600 written as a number; its name is IDS_CLIENT_TEXT',
            'res/client/client.rc:5: string id 700 written as a number; its name is IDS_LOCAL_TEXT',
            'res/client/client.rc:10: control id 4000 written as a number; its name is IDC_DIALOG_HELP',
            'res/client/client.rc:14: command id 33000 written as a number; its name is ID_CLIENT_OPEN or ID_CLIENT_OPEN_AGAIN',
            'res/common/common.rc:3: string id 501 written as a number; its name is IDS_SHARED_OTHER',
            'setup/SetupIds.h:1: IDD_SETUP_EXTRA defined in SetupIds.h, not in a header named <Topic>ResourceIds.h',
        ]
        self.assertEqual(sorted(lines), sorted(expected))


if __name__ == '__main__':
    unittest.main()
