"""Carriers through the headless driver: registering a tag near the phone, the carrier list,
and the arrival alarm when the registered tag comes into range."""

import os
import sqlite3
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import Driver, outlets  # noqa: E402

TIME = "2026-12-07T09:30:00+09:00"
UUID = "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B"  # one of the stand-in service's UUIDs
BAG = dict(uuid=UUID, major=300, minor=12, rssi=-62, power=-59)


def of(events, name):
    return [e for e in events if e.get("event") == name]


class Carriers(unittest.TestCase):
    def start(self, d):
        d.wait_for("ready")
        d.ok("tap", outlet="btn_Help_Close")

    def register(self, d, name):
        """Registers the bag from the main screen and comes back to it."""
        d.ok("tap", outlet="btn_Menu1")
        d.ok("tap", outlet="btn_Next")
        d.ok("advance", seconds=1)
        rows = outlets(d.dump())["registrationTableView"]["rows"]
        self.assertEqual(len(rows), 1)
        self.assertEqual(rows[0]["txt_Registration_Select_Major"]["text"], "300")
        d.ok("tap", table="registrationTableView", row=0, outlet="btn_Registration_Select")
        d.ok("type", outlet="txt_CarrierName", text=name)
        d.ok("tap", outlet="btn_Confirm")
        row = outlets(d.dump())["registrationTableView"]["rows"][0]
        self.assertFalse(row["btn_Registration_Select"]["enabled"])
        events = d.ok("tap", outlet="btn_Back")
        self.assertEqual([e["screen"] for e in of(events, "dismiss")],
                         ["UIRegstrationViewController", "UIRegistration_Help"])

    def test_registered_tag_coming_into_range_raises_the_alarm(self):
        with Driver("--virtual-time", TIME) as d:
            self.start(d)
            d.ok("beacon", **BAG)
            self.register(d, "My Bag")
            d.ok("beacon", uuid=UUID, major=300, minor=12, gone=True)

            d.ok("tap", outlet="btn_Alarm")
            # The start alert is modal: nothing beneath it answers until it is pressed.
            for cmd, fields in (("tap", dict(outlet="btn_Alarm")), ("menu", dict(index=0))):
                _, answer = d.command(cmd, **fields)
                self.assertEqual(answer["event"], "error")
                self.assertIn("is covered by an alert", answer["message"])
            events = d.ok("alert", button="확인")
            self.assertEqual(outlets(d.dump())["btn_Alarm"]["image"], "on.png")
            self.assertFalse(of(events, "notification"))
            d.ok("advance", seconds=5)

            d.ok("beacon", **BAG)
            events = d.ok("advance", seconds=1)
            notes = of(events, "notification")
            self.assertEqual(len(notes), 1)
            self.assertEqual(notes[0]["body"], "캐리어가 도착했습니다.")
            self.assertEqual(notes[0]["action"], "GOGO")
            self.assertEqual(notes[0]["fireIn"], 1)
            self.assertEqual([e["screen"] for e in of(events, "present")], ["UIFind"])
            self.assertEqual(outlets(d.dump(), screen=0)["btn_Alarm"]["image"], "off.png")

            events = d.ok("advance", seconds=15)
            self.assertEqual(len(of(events, "vibrate")), 11)
            # The notification fired while the app was in front: not presented, only logged.
            self.assertIn("Handle push from foreground",
                          [e["text"] for e in of(events, "log")])
            d.ok("tap", outlet="btn_Close")
            events = d.ok("advance", seconds=1)
            self.assertEqual([e["screen"] for e in of(events, "dismiss")], ["UIFind"])
            d.quit()

            db = sqlite3.connect(os.path.join(d.data_dir, "tamberlinove_v2.sqlite3"))
            self.assertEqual(db.execute("SELECT sUUID, sMajor, sMinor, sName FROM "
                                        "aRegistration").fetchall(),
                             [(UUID, "300", "12", "MyBag")])
            db.close()

    def test_carrier_list_shows_the_bag_seen_and_removes_it(self):
        with Driver("--virtual-time", TIME) as d:
            self.start(d)
            d.ok("beacon", **BAG)
            self.register(d, "Bag")
            d.ok("tap", outlet="btn_Menu2")
            d.ok("advance", seconds=1)
            rows = outlets(d.dump())["carrierTableView"]["rows"]
            self.assertEqual([(r["lbl_Name"]["text"], r["img_Status"]["image"]) for r in rows],
                             [("Bag", "m2_btn_on.png")])
            events = d.ok("tap", table="carrierTableView", row=0, outlet="btn_Delete")
            self.assertEqual([(a["title"], a["message"]) for a in of(events, "alert")],
                             [("확인", "삭제완료하였습니다.")])
            d.ok("alert", button="OK")
            self.assertEqual(outlets(d.dump())["carrierTableView"]["rows"], [])

    def test_adapter_off_and_background_during_a_search(self):
        with Driver("--virtual-time", TIME) as d:
            self.start(d)
            d.ok("beacon", **BAG)
            self.register(d, "Bag")
            d.ok("beacon", uuid=UUID, major=300, minor=12, gone=True)
            d.ok("tap", outlet="btn_Alarm")
            d.ok("alert", button="확인")

            events = d.ok("background")
            self.assertEqual([n["body"] for n in of(events, "notification")],
                             ["프로그램을 종료하시면 캐리어 검색이 안됩니다."])
            # Back within the second: the main screen shows again and drops the warning.
            events = d.ok("foreground")
            self.assertTrue(of(events, "notifications-cancelled"))
            # Left in the background, the warning fires and badges the app until it returns.
            d.ok("background")
            events = d.ok("advance", seconds=1)
            self.assertEqual([e["value"] for e in of(events, "badge")], [1])
            events = d.ok("foreground")
            self.assertEqual([e["value"] for e in of(events, "badge")], [0])

            events = d.ok("bluetooth", on=False)
            self.assertEqual([(a["title"], a["buttons"]) for a in of(events, "alert")],
                             [("경고", ["OK"])])
            d.ok("alert", button="OK")
            self.assertEqual(outlets(d.dump())["btn_Alarm"]["image"], "off.png")
            d.ok("bluetooth", on=True)
            d.ok("beacon", **BAG)
            events = d.ok("advance", seconds=3)
            self.assertFalse(of(events, "notification"))


if __name__ == "__main__":
    unittest.main()
