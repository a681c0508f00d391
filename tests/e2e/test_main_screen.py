"""The main screen's card through the headless driver, with flights stored beforehand."""

import json
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import DriverTest, outlets, store  # noqa: E402


class MainScreen(DriverTest):
    def test_stored_flight_is_drawn_on_the_card_with_its_text_runs(self):
        store(self.data, estimatedDate_Departure="20261207", estimatedTime_Departure="1105",
              remark="cancelled")
        o = outlets(self.start().dump())
        self.assertEqual(o["lbl_FlightId"]["text"], "KE701")
        self.assertEqual(o["lbl_Change_DepartureTime"]["text"], "11:05")
        self.assertEqual(o["lbl_Status"]["text"], "취소")
        self.assertEqual(o["lbl_Schedule_DepartureTime"]["attributes"],
                         [{"from": 0, "length": 5, "strike": True}])

    def test_the_flight_search_shortcut_at_launch_opens_the_search(self):
        d = self.start("--shortcut", "kr.vorneth.UIAirportSchedule")
        self.assertEqual([s["name"] for s in d.dump()["screens"]],
                         ["ViewController", "UIAirportSchedule"])

    def test_configured_hosts_that_do_not_answer_do_not_stop_start_up(self):
        config = os.path.join(self.data, "config.json")
        with open(config, "w") as f:
            json.dump({"carrierServiceURL": "http://127.0.0.1:9/none",
                       "airportServiceURL": "http://127.0.0.1:9/none",
                       "requestTimeoutSeconds": 2}, f)
        d = self.start("--config", config)
        self.assertEqual(outlets(d.dump())["lbl_Status"]["text"], "정보없음")
        self.assertEqual(d.quit(), 0)


if __name__ == "__main__":
    unittest.main()
