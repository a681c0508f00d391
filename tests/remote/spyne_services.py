#!/usr/bin/python3
"""The carrier and airport SOAP services made with spyne, for the interop test.

Usage: spyne_services.py NAMESPACE
Listens on a free port on 127.0.0.1 and prints the port on one line once it listens.
Every request is validated against the services' schema; each operation records its
parameters (GET /received answers them as JSON: operation -> values in declared order)
and answers a fixed data-set document, or "YES" for the registration and the logs.
"""
import json
import sys
from wsgiref.simple_server import WSGIRequestHandler, make_server
from xml.sax.saxutils import escape

from spyne import Application, ServiceBase, Unicode, rpc
from spyne.protocol.soap import Soap11
from spyne.server.wsgi import WsgiApplication

FLIGHT = ['scheduleDateTime', 'airportcode_departure', 'airportcode_arrival', 'filghtid',
          'flag', 'sPageNum']
UNIT = ['sUserTelnum', 'sUnitMacAddress', 'sUnitUUID', 'sUnitMajor', 'sUnitMinor']
FLIGHT_LOG = ['airportcode_departure', 'airportcode_arrival', 'scheduleDate', 'scheduleTime',
              'estimatedDate', 'EstimatedTime', 'exitnumber', 'gatenumber', 'chkinrange',
              'carousel', 'remark', 'flag', 'inputTime', 'etc', 'scheduleDate1',
              'scheduleTime1', 'estimatedDate1', 'EstimatedTime1', 'sUnitUUID', 'sUnitMajor',
              'sUnitMinor', 'sLogStatus']


def data_set(*rows):
    """A data set document as the services write it: no whitespace, empty columns as <c />."""
    def column(name, value):
        return f'<{name}>{escape(value)}</{name}>' if value else f'<{name} />'
    return '<NewDataSet>' + ''.join(
        '<Table1>' + ''.join(column(n, v) for n, v in row) + '</Table1>' for row in rows
    ) + '</NewDataSet>'


# operation -> (service, parameter names, answer)
OPERATIONS = {
    'Unit_AllSearch01': ('carrier', [], data_set(
        [('sUnitUUID', 'E2C56DB5-DFFB-48D2-B060-D0F5A71096E0')],
        [('SUNITUUID', 'B9407F30-F5F8-466E-AFF9-25556B57FE6D')])),
    'Flight_List03': ('airport', FLIGHT, data_set(
        [('airline', '대한항공'), ('flightId', 'KE1203'), ('gatenumber', ''),
         ('remark', '지연 & <결항 검토>'), ('flag', '1')],
        [('airline', '제주항공'), ('flightId', '7C101'), ('gatenumber', '3'),
         ('remark', '출발'), ('flag', '1')])),
    'Flight_List04': ('airport', FLIGHT, data_set(
        [('flightId', 'KE1203'), ('estimatedTime_Departure', '1015'), ('gatenumber', '23'),
         ('carousel', ''), ('remark', '탑승중')])),
    'Unit_Join01': ('carrier', UNIT + ['sFlag'], 'YES'),
    'Log_Unit_SearchOK01': ('carrier', UNIT, 'YES'),
    'Log_FilghtInput01': ('airport', FLIGHT_LOG, 'YES'),
    'City_View03': ('airport', ['cityCode1', 'cityCode2'], data_set(
        [('cityCode', 'GMP'), ('cityFlag', '2')], [('cityCode', 'CJU'), ('cityFlag', '2')])),
    'City_List02': ('airport', [], data_set(
        [('cityCode', 'ICN'), ('cityEng', 'Seoul Incheon'), ('cityKor', '서울/인천'),
         ('cityFlag', '1'), ('NationCode', 'KR')],
        [('cityCode', 'NRT'), ('cityEng', 'Tokyo & <Narita>'), ('cityKor', '도쿄'),
         ('cityFlag', '3'), ('NationCode', 'JP')])),
    'Nation_List02': ('airport', ['cityCode'], data_set(
        [('NationCode', 'KR'), ('NationEng', 'Korea'), ('NationKor', '대한민국'),
         ('sFileName', 'kr.png')])),
    'Nation_Modify_List01': ('airport', [], data_set(
        [('Nation', '20261201'), ('CityInfo', '20261130'), ('sDate', '20261201')])),
    'Exchange_List01': ('airport', [], data_set(
        [('sDATE', '20261207'), ('CUR_UNIT', 'USD'), ('CUR_NM', '미국 달러'),
         ('TTB', '1,297.5'), ('TTS', '1,323.7'), ('DEAL_BAS_R', '1,310.6'),
         ('LASTDATE', '20261207110000')])),
}

received = {}


def operation(name, params, answer):
    # Every parameter is a required, non-nillable text element, so a missing one is refused.
    text = Unicode(min_occurs=1, nillable=False)

    def body(ctx, *values):
        # spyne reads an empty element as None; the schema has already made sure it is there.
        received[name] = ['' if v is None else v for v in values]
        return answer
    body.__name__ = name
    return rpc(*[text] * len(params), _args=params, _returns=Unicode)(body)


def application(service, namespace):
    members = {n: operation(n, p, a) for n, (s, p, a) in OPERATIONS.items() if s == service}
    return WsgiApplication(Application(
        [type(service + 'Service', (ServiceBase,), members)], tns=namespace, name=service,
        in_protocol=Soap11(validator='lxml'), out_protocol=Soap11()))


def main():
    namespace = sys.argv[1]
    routes = {'/sub_tamberlinove/tamberlinove02.asmx': application('carrier', namespace),
              '/sub_airport/airport02.asmx': application('airport', namespace)}

    def dispatch(environ, start_response):
        path = environ.get('PATH_INFO', '')
        if path == '/received':
            start_response('200 OK', [('Content-Type', 'application/json')])
            return [json.dumps(received).encode()]
        if path in routes:
            return routes[path](environ, start_response)
        start_response('404 Not Found', [('Content-Type', 'text/plain')])
        return [b'no such service']

    class QuietHandler(WSGIRequestHandler):
        def log_message(self, *args):
            pass

    server = make_server('127.0.0.1', 0, dispatch, handler_class=QuietHandler)
    print(server.server_port, flush=True)
    server.serve_forever()


if __name__ == '__main__':
    main()
