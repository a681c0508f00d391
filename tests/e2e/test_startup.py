"""Start-up through the headless driver: ready, the main screen, the database file."""

import os
import sqlite3
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import Driver, outlets  # noqa: E402

TIME = "2026-12-07T09:30:00+09:00"
TABLES = {
    "aRegistration": "CREATE TABLE aRegistration (sMac varchar(17) null, sUUID varchar(120) not null, sMajor varchar(10) not null, sMinor varchar(10) not null, sName varchar(500) null, constraint aRegistration_PK PRIMARY KEY(sUUID, sMajor, sMinor))",
    "aExchange": "CREATE TABLE aExchange(sDATE varchar(8) not null, CUR_UNIT varchar(100) not null, CUR_NM varchar(100) not null, TTB varchar(50) not null, TTS varchar(50) null, DEAL_BAS_R varchar(50) null, LASTDATE varchar(14) null, constraint aExchange_PK PRIMARY KEY(sDATE, CUR_UNIT))",
}


class StartUp(unittest.TestCase):
    def test_first_start_shows_the_main_screen_with_help_and_creates_the_database(self):
        with Driver("--virtual-time", TIME) as d:
            d.wait_for("ready")
            dump = d.dump()
            self.assertEqual([s["name"] for s in dump["screens"]], ["ViewController"])
            o = outlets(dump)
            self.assertFalse(o["View_Help"]["hidden"])
            self.assertTrue(o["addButton"]["hidden"])
            self.assertTrue(o["v_BeAirSchedule"]["hidden"])
            self.assertEqual(o["lbl_Status"]["text"], "정보없음")
            self.assertEqual(dump["alerts"], [])
            self.assertEqual(d.quit(), 0)

            db = sqlite3.connect(os.path.join(d.data_dir, "tamberlinove_v2.sqlite3"))
            self.assertEqual(db.execute("PRAGMA user_version").fetchone()[0], 13)
            names = {r[0]: r[1] for r in db.execute(
                "SELECT name, sql FROM sqlite_master WHERE type='table'")}
            self.assertEqual(set(names), {"aRegistration", "aFlightInfo", "aNation",
                                          "aCityInfo", "aExchange"})
            for table, sql in TABLES.items():
                self.assertEqual(names[table], sql)
            db.close()

    def test_location_off_puts_up_the_service_alert_which_closes(self):
        with Driver("--virtual-time", TIME, "--location", "off") as d:
            events = d.wait_for("ready")
            alerts = [e for e in events if e["event"] == "alert"]
            self.assertEqual(len(alerts), 1)
            self.assertEqual(alerts[0]["title"], "서비스 안내")
            self.assertEqual(alerts[0]["buttons"], ["확인"])
            d.ok("alert", button="확인")
            self.assertEqual(d.dump()["alerts"], [])
            _, answer = d.command("alert", button="확인")
            self.assertEqual(answer["event"], "error")

    def test_help_box_is_remembered_across_starts(self):
        with Driver("--virtual-time", TIME) as first:
            first.wait_for("ready")
            first.ok("tap", outlet="btn_Help_Check")
            o = outlets(first.dump())
            self.assertTrue(o["View_Help"]["hidden"])
            self.assertFalse(o["addButton"]["hidden"])
            first.quit()
            with Driver("--virtual-time", TIME, data_dir=first.data_dir) as second:
                second.wait_for("ready")
                self.assertTrue(outlets(second.dump())["View_Help"]["hidden"])
                second.quit()

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
            self.assertEqual(answer["event"], "error")
            self.assertEqual(answer["message"],
                             "outlet btn_Help_Check is hidden: View_Help is hidden")
            d.quit()
            self.assertFalse(os.path.exists(os.path.join(d.data_dir, "Environment.plist")))

    def test_floating_menu_opens_and_reports_camera_error_without_camera(self):
        with Driver("--virtual-time", TIME) as d:
            d.wait_for("ready")
            d.ok("tap", outlet="btn_Help_Close")
            d.ok("tap", outlet="addButton")
            menu = outlets(d.dump())["addButton"]
            self.assertTrue(menu["open"])
            self.assertEqual([r["title"] for r in menu["rows"]],
                             ["여권사진", "출입국신고서", "환율계산기", "도움말"])
            events = d.ok("menu", index=0)
            self.assertIn({"event": "alert", "title": "Camera error",
                           "message": "카메라를 지원하지 않는 기기입니다.", "buttons": ["OK"]},
                          events)

    def test_hotel_menu_opens_the_partner_site(self):
        with Driver("--virtual-time", TIME) as d:
            d.wait_for("ready")
            d.ok("tap", outlet="btn_Help_Close")
            events = d.ok("tap", outlet="btn_Menu4")
            urls = [e["url"] for e in events if e["event"] == "open-url"]
            self.assertEqual(len(urls), 1)
            self.assertIn("a_aid=", urls[0])

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

    def test_background_during_nothing_schedules_nothing_and_advance_moves_time(self):
        with Driver("--virtual-time", TIME) as d:
            d.wait_for("ready")
            events = d.ok("background")
            self.assertFalse([e for e in events if e["event"] == "notification"])
            d.ok("foreground")
            d.ok("advance", seconds=120)


if __name__ == "__main__":
    unittest.main()
