object MainForm: TForm
  Caption = 'Session'
  Left = 100
  Top = 80
  Width = 300
  Height = 200
  object Tracebook1: TKDTracebook
    ApplicationID = 'Session'
    AutoStart = False
    Filename = 'session.evt'
    LogEvents.Strings = (
      'TButtonEvent=0'
      'TMouseClickEvent='
      'TSetFocusEvent=x'
      'TActivateEvent=0'
      'TEditEvent'
      'TNoSuchEvent=0')
  end
  object OKBtn: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
  end
  object Remark: TEdit
    Left = 8
    Top = 40
    Width = 150
    Height = 21
  end
end
