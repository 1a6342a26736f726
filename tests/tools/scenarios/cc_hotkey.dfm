object MainForm: TForm
  Caption = 'Hot keys'
  Left = 100
  Top = 80
  Width = 400
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'HotKeys'
    Filename = 'cc_hotkey.evt'
  end
  object ShortcutBox: THotKey
    Left = 8
    Top = 8
    Width = 120
    Height = 21
    HotKey = 'Ctrl+Shift+A'
  end
  object OKBtn: TButton
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Caption = 'OK'
  end
end
