"""Carriers through the headless driver: registering a tag near the phone, and the arrival
alarm when the registered tag comes into range."""

import os
import sqlite3
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import DriverTest, of, outlets  # noqa: E402

UUID = "D5FC0C59-E3AF-4493-B85A-4CEA5A1EDB9B"  # one of the stand-in service's UUIDs
BAG = dict(uuid=UUID, major=300, minor=12, rssi=-62, power=-59)


class Carriers(DriverTest):
    def searching(self):
        """Registers the bag from the main screen, takes it out of range and starts a search,
        stopping at the start alert."""
        d = self.start()
        d.ok("tap", outlet="btn_Help_Close")
        d.ok("beacon", **BAG)
        d.ok("tap", outlet="btn_Menu1")
        d.ok("tap", outlet="btn_Next")
        d.ok("advance", seconds=1)
        d.ok("tap", table="registrationTableView", row=0, outlet="btn_Registration_Select")
        d.ok("type", outlet="txt_CarrierName", text="My Bag")
        d.ok("tap", outlet="btn_Confirm")
        d.ok("tap", outlet="btn_Back")
        d.ok("beacon", uuid=UUID, major=300, minor=12, gone=True)
        d.ok("tap", outlet="btn_Alarm")
        return d

    def test_registered_tag_coming_into_range_raises_the_alarm(self):
        d = self.searching()
        # The start alert is modal: nothing beneath it answers until it is pressed.
        for cmd, fields in (("tap", dict(outlet="btn_Alarm")), ("menu", dict(index=0))):
            _, answer = d.command(cmd, **fields)
            self.assertEqual(answer["event"], "error")
            self.assertIn("is covered by an alert", answer["message"])
        d.ok("alert", button="확인")
        self.assertEqual(outlets(d.dump())["btn_Alarm"]["image"], "on.png")
        d.ok("advance", seconds=5)

        d.ok("beacon", **BAG)
        events = d.ok("advance", seconds=1)
        self.assertEqual([(n["body"], n["action"], n["fireIn"]) for n in
                          of(events, "notification")], [("캐리어가 도착했습니다.", "GOGO", 1)])
        self.assertEqual([e["screen"] for e in of(events, "present")], ["UIFind"])
        self.assertEqual(len(of(d.ok("advance", seconds=15), "vibrate")), 11)
        d.quit()
        db = sqlite3.connect(os.path.join(self.data, "tamberlinove_v2.sqlite3"))
        self.assertEqual(db.execute("SELECT sUUID, sMajor, sMinor, sName FROM "
                                    "aRegistration").fetchall(), [(UUID, "300", "12", "MyBag")])
        db.close()

    def test_adapter_off_and_background_during_a_search(self):
        d = self.searching()
        d.ok("alert", button="확인")
        events = d.ok("background")
        self.assertEqual([n["body"] for n in of(events, "notification")],
                         ["프로그램을 종료하시면 캐리어 검색이 안됩니다."])
        # Back within the second: the main screen shows again and drops the warning.
        self.assertTrue(of(d.ok("foreground"), "notifications-cancelled"))
        # Left in the background, the warning fires and badges the app until it returns.
        d.ok("background")
        self.assertEqual([e["value"] for e in of(d.ok("advance", seconds=1), "badge")], [1])
        self.assertEqual([e["value"] for e in of(d.ok("foreground"), "badge")], [0])

        events = d.ok("bluetooth", on=False)
        self.assertEqual([(a["title"], a["buttons"]) for a in of(events, "alert")],
                         [("경고", ["OK"])])
        d.ok("alert", button="OK")
        self.assertEqual(outlets(d.dump())["btn_Alarm"]["image"], "off.png")


if __name__ == "__main__":
    unittest.main()
