object MainForm: TForm
  Caption = 'Orders'
  Left = 100
  Top = 80
  Width = 420
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'Orders'
    Filename = 'orders.evt'
  end
  object Panel1: TWinControl
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    object Customer: TWinControl
      Left = 10
      Top = 10
      Width = 150
      Height = 21
    end
  end
  object Notes: TWinControl
    Left = 8
    Top = 140
    Width = 200
    Height = 100
  end
end
