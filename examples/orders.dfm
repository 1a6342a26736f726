object MainForm: TForm
  Caption = 'Orders'
  Left = 100
  Top = 80
  Width = 520
  Height = 420
  Menu = MainMenu1
  object Tracebook1: TKDTracebook
    ApplicationID = 'Orders'
    Filename = 'orders.evt'
  end
  object MainMenu1: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object SaveItem: TMenuItem
        Action = SaveAction
      end
      object CloseItem: TMenuItem
        Caption = '&Close'
      end
    end
  end
  object ActionList1: TActionList
    object SaveAction: TAction
      Caption = '&Save'
      ShortCut = 'Ctrl+S'
    end
  end
  object NotesMenu: TPopupMenu
    object SpellItem: TMenuItem
      Caption = '&Spell check'
    end
  end
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 240
    Height = 180
    object CustomerLabel: TLabel
      Left = 10
      Top = 12
      Width = 60
      Height = 16
      Caption = '&Customer'
      FocusControl = Customer
    end
    object Customer: TEdit
      Left = 80
      Top = 10
      Width = 150
      Height = 21
    end
    object Pin: TEdit
      Left = 80
      Top = 40
      Width = 150
      Height = 21
      PasswordChar = '*'
    end
    object Express: TCheckBox
      Left = 10
      Top = 70
      Width = 120
      Height = 17
      Caption = '&Express'
    end
    object Shipping: TComboBox
      Left = 10
      Top = 100
      Width = 150
      Height = 21
      Style = csDropDownList
      Items.Strings = (
        'Post'
        'Courier'
        'Pick-up')
    end
    object OKBtn: TButton
      Left = 10
      Top = 140
      Width = 75
      Height = 25
      Caption = '&OK'
    end
  end
  object Products: TListBox
    Left = 260
    Top = 8
    Width = 200
    Height = 120
    Items.Strings = (
      'Apples'
      'Pears'
      'Plums')
  end
  object Priority: TRadioGroup
    Left = 260
    Top = 140
    Width = 200
    Height = 100
    Caption = 'Priority'
    Items.Strings = (
      'Low'
      'Normal'
      'High')
  end
  object Notes: TMemo
    Left = 8
    Top = 200
    Width = 240
    Height = 100
    PopupMenu = NotesMenu
  end
  object Delivery: TGroupBox
    Left = 8
    Top = 310
    Width = 240
    Height = 60
    Caption = 'Delivery'
    object Morning: TRadioButton
      Left = 10
      Top = 20
      Width = 100
      Height = 17
      Caption = '&Morning'
    end
    object Afternoon: TRadioButton
      Left = 120
      Top = 20
      Width = 100
      Height = 17
      Caption = '&Afternoon'
    end
  end
  object History: TScrollBox
    Left = 260
    Top = 290
    Width = 200
    Height = 80
    object EarlierOrders: TPanel
      Left = 0
      Top = 0
      Width = 160
      Height = 300
      Caption = 'Earlier orders'
    end
  end
  object Quantity: TScrollBar
    Left = 260
    Top = 260
    Width = 200
    Height = 17
    Max = 50
  end
end
