#!/usr/bin/env python3
"""Writes vrxsys_defaults.bin: the system file holding every default, program folder "/vrx/".

Built straight from the record tables, apart from the C++ writer, so that the golden file can
catch a field out of order or a wrong default there.
"""
import struct
import sys
from pathlib import Path

APP_DIR = "/vrx/"
VERSION = "2.1.30"
PALETTE = [0xB94652, 0xFF, 0x364E9C, 0x135B25, 0xFFFF00, 0xFF0000, 0xFF00FF, 0xE0E0E0, 0xFFC0C0, 0x8080]


def i16(*values):
    return b"".join(struct.pack("<h", v) for v in values)


def i32(*values):
    return b"".join(struct.pack("<i", v) for v in values)


def f64(*values):
    return b"".join(struct.pack("<d", v) for v in values)


def text(*values):
    out = b""
    for v in values:
        raw = v.encode("cp1252")
        out += struct.pack("<H", len(raw)) + raw
    return out


def temp_settings():
    return (text(*[f"Ch {i}" for i in range(1, 11)])  # TempName
            + text(*[""] * 10)  # TempWavTitle
            + text(*[""] * 10)  # TempWavFile
            + i16(*[1] * 10)  # TempRecord
            + i16(*[55] * 10)  # TempAlarmLimit
            + i16(*[58] * 10)  # TempShutdownLimit
            + i16(*[1] * 10)  # TempAlarmOn
            + i16(*[1] * 10)  # TempShutdownOn
            + i16(*[1] * 10)  # TempGraphOn
            + i32(*PALETTE)  # TempColor
            + i16(1)  # TempUnit
            + i16(*[0] * 10))  # TempOffset


def fan_settings():
    out = i16(1)  # FanGroup
    out += text(*[f"Fan{i}" for i in range(1, 7)])  # FanName
    out += i32(*PALETTE[:6])  # FanColor
    out += i16(*[1] * 6)  # FanGraphOn
    out += i16(*[1] * 6)  # FanRecord
    # FanLevel, FanAutoSensor, FanAutoLevelLow/Mid/High, FanAutoTempLow/Mid/High, FanNoHysteresis
    for value in (12, 0, 30, 50, 90, 15, 55, 85, 1):
        out += i16(*[value] * 7)
    return out


def pump_flow_settings():
    out = i16(1, 1)  # PumpGroup, FlowUnit
    out += text("Flow1", "Flow2")  # FlowName
    out += text("2.0", "2.0")  # FlowAlarmLimit
    out += text("2,000", "2,000")  # PumpAlarmLimit
    out += text("0.5", "0.5")  # FlowShutdownLimit
    out += i16(0, 0)  # FlowShutdownOn
    out += i16(1, 1)  # FlowMeterModel
    out += i16(0, 0)  # FlowAlarmOn
    out += i16(1, 1)  # FlowGraphOn
    out += i32(PALETTE[2], PALETTE[3])  # FlowColor
    out += text("1500", "1500")  # PumpShutdownLimit
    out += i16(0, 0)  # PumpShutdownOn
    out += i16(0, 0)  # PumpAlarmOn
    out += i16(1, 1)  # FlowRecord
    out += text("Pump1", "Pump2")  # PumpName
    out += i16(1, 1)  # PumpGraphOn
    out += i16(1, 1)  # PumpRecord
    out += i32(PALETTE[0], PALETTE[6])  # PumpColor
    out += i16(1, 1)  # TubeSize
    # PumpLevel, PumpAutoSensor, PumpAutoLevelLow/Mid/High, PumpAutoTempLow/Mid/High, PumpNoHysteresis
    for value in (12, 0, 30, 50, 90, 15, 55, 85, 1):
        out += i16(*[value] * 3)
    return out


def level_table(rows, value_of_level):
    # (row, level) with the row index varying fastest
    return i16(*[value_of_level(n) for n in range(11) for _ in range(rows)])


def sys_main():
    out = i16(0, 0, 0)  # ComPort, FixedComPort, StartHidden
    out += text(VERSION)  # CreatedVersion
    out += i16(-1)  # ShareMemory
    out += text(VERSION)  # FileVersion
    out += text(APP_DIR + "Logs/")  # LogFolder
    # AutoStart, SliderGroup, ShutdownAction, ShutdownDelay, RecordContinuous, Recording,
    # RecordPeriodIndex, CycleMode, CycleTimeIndex, CycleItem, BoardType
    out += i16(0, 1, 1, 60, 1, 0, 3, 1, 1, 1, 1)
    out += i32(0x0, 0xC0C0C0, 0x404040)  # GraphBackColor, GraphTextColor, GraphGridColor
    out += i16(0)  # AlwaysOnTop
    out += i32(*[0] * 6)  # WindowPos
    out += i16(-1)  # HoverPopupOff
    out += level_table(3, lambda n: 3 * n + 2 if n else 0)  # PumpLevelTable
    out += level_table(7, lambda n: 10 * n)  # FanLevelTable
    out += i16(-1, 0, 0)  # DebugLog, AlarmMute, FanBarStyle
    return out


def pump_test_data():
    return (i16(9)  # PumpTestPumps
            + f64(*[0.0] * 68)  # PumpTestValues
            + text(*[""] * 4)  # PumpTestPumpText
            + text(*[""] * 4)  # PumpTestFlowText
            + text("", ""))  # PumpTestTubeText1, PumpTestTubeText2


def main():
    records = [temp_settings(), fan_settings(), pump_flow_settings(), sys_main(), pump_test_data()]
    sizes = [len(r) for r in records]
    expected = [283, 212, 188, 314 + len(APP_DIR + "Logs/"), 566]
    if sizes != expected:
        sys.exit(f"record sizes {sizes}, expected {expected}")
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("vrxsys_defaults.bin")
    out.write_bytes(b"".join(records))


if __name__ == "__main__":
    main()
