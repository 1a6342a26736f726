object MainForm: TForm
  Caption = 'Restart'
  Left = 100
  Top = 80
  Width = 400
  Height = 250
  object Tracebook1: TKDTracebook
    ApplicationID = 'Restart'
    Filename = 'restart.evt'
    LogEvents.Strings = (
      'TButtonEvent=0'
      'TButtonEvent=1'
      'tsetfocusevent=0'
      'TActivateEvent=00'
      'TMouseClickEvent=x0'
      'TEditEvent'
      'TListBoxSelectEvent==0'
      'TMinMaxEvent=0=1'
      '=0'
      'TNoSuchEvent=0')
  end
  object OKBtn: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = '&OK'
  end
  object Remark: TEdit
    Left = 8
    Top = 40
    Width = 150
    Height = 21
  end
  object Colours: TListBox
    Left = 8
    Top = 70
    Width = 120
    Height = 60
    Items.Strings = (
      'Red'
      'Green'
      'Blue')
  end
end
