object MainForm: TForm
  Caption = 'Keys'
  Left = 100
  Top = 80
  Width = 420
  Height = 320
  ActiveControl = CustomerName
  object Tracebook1: TKDTracebook
    ApplicationID = 'Keys'
    AutoStart = False
    Filename = 'keyboard.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TMouseClickEvent=0')
  end
  object NameLabel: TLabel
    Left = 8
    Top = 12
    Width = 60
    Height = 16
    Caption = '&Name'
    FocusControl = CustomerName
  end
  object CustomerName: TEdit
    Left = 80
    Top = 10
    Width = 150
    Height = 21
  end
  object Express: TCheckBox
    Left = 8
    Top = 40
    Width = 120
    Height = 17
    Caption = '&Express'
  end
  object Colours: TListBox
    Left = 8
    Top = 65
    Width = 120
    Height = 60
    Items.Strings = (
      'Red'
      'Green'
      'Blue')
  end
  object Delivery: TGroupBox
    Left = 140
    Top = 40
    Width = 150
    Height = 80
    Caption = '&Delivery'
    object Morning: TRadioButton
      Left = 10
      Top = 20
      Width = 100
      Height = 17
      Caption = '&Morning'
      Checked = True
    end
    object Evening: TRadioButton
      Left = 10
      Top = 45
      Width = 100
      Height = 17
      Caption = 'E&vening'
    end
  end
  object Priority: TRadioGroup
    Left = 140
    Top = 130
    Width = 150
    Height = 100
    Caption = 'Priority'
    ItemIndex = 0
    Items.Strings = (
      'Low'
      'Normal'
      'High')
  end
  object KeepLabel: TLabel
    Left = 8
    Top = 240
    Width = 60
    Height = 16
    Caption = '&Keep'
    FocusControl = OKBtn
  end
  object OKBtn: TButton
    Left = 300
    Top = 10
    Width = 75
    Height = 25
    Caption = '&OK'
    Default = True
  end
  object CancelBtn: TButton
    Left = 300
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
  end
end
