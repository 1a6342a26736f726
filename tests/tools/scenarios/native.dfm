object MainForm: TForm
  Caption = 'Native'
  Left = 100
  Top = 80
  Width = 400
  Height = 250
  ActiveControl = Notes
  object Tracebook1: TKDTracebook
    ApplicationID = 'Native'
    AutoStart = False
    Filename = 'native.evt'
  end
  object Notes: TEdit
    Left = 8
    Top = 10
    Width = 150
    Height = 21
  end
  object Town: TComboBox
    Left = 8
    Top = 40
    Width = 150
    Height = 21
    Text = 'London'
    Items.Strings = (
      'London'
      'Leeds')
  end
  object OKBtn: TButton
    Left = 200
    Top = 10
    Width = 75
    Height = 25
    Caption = '&OK'
  end
end
