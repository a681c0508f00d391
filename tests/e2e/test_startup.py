"""Start-up through the headless driver: the location option, the help overlay as the driver
sees it, and the answers to commands that cannot be carried out."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import TIME, Driver  # noqa: E402


class StartUp(unittest.TestCase):
    def test_location_off_puts_up_the_service_alert_which_closes(self):
        with Driver("--virtual-time", TIME, "--location", "off") as d:
            alerts = [e for e in d.wait_for("ready") if e["event"] == "alert"]
            self.assertEqual([(a["title"], a["buttons"]) for a in alerts],
                             [("서비스 안내", ["확인"])])
            d.ok("alert", button="확인")
            self.assertEqual(d.dump()["alerts"], [])
            _, answer = d.command("alert", button="확인")
            self.assertEqual(answer["event"], "error")

    def test_help_overlay_lets_only_its_own_buttons_be_touched(self):
        with Driver("--virtual-time", TIME) as d:
            d.wait_for("ready")
            # While the overlay shows, the menus beneath it do not react.
            events, answer = d.command("tap", outlet="btn_Menu4")
            self.assertEqual(answer["event"], "error")
            self.assertEqual(answer["message"], "outlet btn_Menu4 is covered by View_Help")
            self.assertFalse([e for e in events if e["event"] == "open-url"])
            d.ok("tap", outlet="btn_Help_Close")
            # Once closed, its buttons are gone with it: the flag is never stored.
            _, answer = d.command("tap", outlet="btn_Help_Check")
            self.assertEqual(answer["message"],
                             "outlet btn_Help_Check is hidden: View_Help is hidden")
            d.quit()
            self.assertFalse(os.path.exists(os.path.join(d.data_dir, "Environment.plist")))

    def test_commands_that_cannot_be_carried_out_answer_with_an_error(self):
        with Driver("--virtual-time", TIME) as d:
            d.wait_for("ready")
            for cmd, fields in [("tap", {"outlet": "no_such_outlet"}),
                                ("beacon", {"uuid": "not-a-uuid", "major": 1, "minor": 2}),
                                ("beacon", {"uuid": "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B",
                                            "major": 70000, "minor": 2}),
                                ("bluetooth", {}),
                                ("menu", {"index": 0}),
                                ("advance", {}),
                                ("frobnicate", {})]:
                _, answer = d.command(cmd, **fields)
                self.assertEqual(answer["event"], "error", cmd)
                self.assertTrue(answer["message"])
            d.proc.stdin.write("this is not json\n")
            d.proc.stdin.flush()
            self.assertEqual(d.next_event()["event"], "error")
            self.assertEqual(d.quit(), 0)


if __name__ == "__main__":
    unittest.main()
