object MainForm: TForm
  Caption = 'Calendars'
  Left = 100
  Top = 80
  Width = 480
  Height = 400
  object Tracebook1: TKDTracebook
    ApplicationID = 'Calendars'
    Filename = 'cc_calendar.evt'
  end
  object Month: TMonthCalendar
    Left = 8
    Top = 8
    Width = 200
    Height = 160
    Date = '2026-12-09'
  end
  object Due: TDateTimePicker
    Left = 230
    Top = 8
    Width = 120
    Height = 21
    Date = '2026-12-09'
    Time = '09:30:00'
  end
  object Alarm: TDateTimePicker
    Left = 230
    Top = 200
    Width = 120
    Height = 21
    Date = '2026-12-09'
    Time = '07:15:00'
    Kind = dtkTime
  end
end
